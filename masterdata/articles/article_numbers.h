#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// How many articles other than `ownId` (0 for a new article) hold the number.
int64_t CountArticlesWithNumber(Session& session, std::string_view number, int64_t ownId);

// True when document positions use the number (an article in use must not be deleted).
bool ArticleNumberInUse(Session& session, std::string_view number);

// The next number of the article range (code "A"), drawn again while an article holds it.
std::string DrawArticleNumber(Session& session);

}  // namespace orvosal

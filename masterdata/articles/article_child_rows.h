#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// What the rows hanging on an article (supplier and customer prices, bill of materials, serial
// numbers, pictures and files) share.

// "WHERE ([column] IN (id))", the selection by a key or an article.
std::string WhereIdIn(std::string_view column, int64_t id);

// True when the article is stored and the signed-in user may change it (right "Save_Artikel");
// otherwise the user is told why.
bool ArticleRowsChangeable(Session& session, int64_t articleId);

// True when `Artikel` holds a row with the ID.
bool ArticleStored(Session& session, int64_t articleId);

// True when `Adressen` holds a row with the ID.
bool AddressStored(Session& session, int64_t addressId);

// The name of the address ("Name Vorname") without trailing blanks, as the lists show it.
std::string AddressNameOf(Session& session, int64_t addressId);

// Shows a warning in the program's message box.
void WarnAboutArticleRow(Session& session, std::string_view text);

}  // namespace orvosal

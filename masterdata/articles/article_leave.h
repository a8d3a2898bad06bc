#pragma once

#include <string_view>

#include "core/session.h"
#include "masterdata/articles/article.h"

namespace orvosal {

// Before the article window shows another article, a copy or a new one, or closes: when what the
// user `entered` differs from the article as it was `shown`, or a typed text is no value of its
// field, asks "Daten wurden geändert und noch nicht gespeichert!" / "Jetzt speichern?" and on Yes
// saves it. `entryProblem` is what the window found wrong with a typed text (a price that is no
// number), empty when nothing: on Yes it is shown instead of saving. True when the window may go on (nothing
// changed, the user declined, or the article was saved; `entered` then holds it as stored); false when it
// must stay on the article.
bool LeaveArticle(Session& session, const Article& shown, Article& entered, std::string_view entryProblem);

}  // namespace orvosal

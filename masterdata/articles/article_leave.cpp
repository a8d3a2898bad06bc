#include "masterdata/articles/article_leave.h"

#include "core/version.h"
#include "masterdata/articles/article_editor.h"

namespace orvosal {

bool LeaveArticle(Session& session, const Article& shown, Article& entered, std::string_view entryProblem) {
  if (entryProblem.empty() && differences(shown, entered, ArticleFields()).empty()) return true;
  if (!session.ui().askYesNo("Daten wurden geändert und noch nicht gespeichert!\nJetzt speichern?",
                             kProductName))
    return true;
  if (!entryProblem.empty()) {
    session.ui().message(entryProblem, kProductName, MessageKind::Information);
    return false;
  }
  return SaveArticle(session, entered) != ArticleSaveOutcome::Refused;
}

}  // namespace orvosal

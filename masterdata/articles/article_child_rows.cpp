#include "masterdata/articles/article_child_rows.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/version.h"
#include "masterdata/addresses/address_editor.h"

namespace orvosal {

std::string WhereIdIn(std::string_view column, int64_t id) {
  return "WHERE ([" + std::string(column) + "] IN (" + std::to_string(id) + "))";
}

bool ArticleStored(Session& session, int64_t articleId) {
  if (articleId <= 0) return false;
  return !Recordset(GlobalConnection(session), "SELECT ID FROM Artikel " + WhereIdIn("ID", articleId)).eof();
}

bool ArticleRowsChangeable(Session& session, int64_t articleId) {
  if (!RequireRight(session, "Save_Artikel")) return false;
  if (ArticleStored(session, articleId)) return true;
  WarnAboutArticleRow(session, "Bitte zuerst den Artikel speichern");
  return false;
}

bool AddressStored(Session& session, int64_t addressId) {
  if (addressId <= 0) return false;
  return !Recordset(GlobalConnection(session), "SELECT ID FROM Adressen " + WhereIdIn("ID", addressId)).eof();
}

std::string AddressNameOf(Session& session, int64_t addressId) {
  return std::string(trim(Get_KundenName(session, addressId)));
}

void WarnAboutArticleRow(Session& session, std::string_view text) {
  session.ui().message(text, kProductName, MessageKind::Warning);
}

}  // namespace orvosal

#include "masterdata/articles/article_numbers.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/rules/legacy_counters.h"

namespace orvosal {
namespace {

constexpr const char* kArticleNumbersModule = "mdlArtikel";

int64_t countOf(Session& session, const std::string& sql) {
  Recordset rs(GlobalConnection(session), sql);
  return rs.eof() ? int64_t{0} : rs["Anzahl"].toInt();
}

}  // namespace

int64_t CountArticlesWithNumber(Session& session, std::string_view number, int64_t ownId) {
  return runOperation(
      session, operationName(kArticleNumbersModule, OperationKind::Function, "Artikelnummer_Vorhanden"),
      int64_t{0}, [&] {
        std::string sql =
            "SELECT count(ID) as Anzahl FROM Artikel WHERE ([Artikelnummer] IN (" + SqlQuoted(number);
        sql += ownId == 0 ? "))" : ") AND [ID] <> " + std::to_string(ownId) + ")";
        return countOf(session, sql);
      });
}

bool ArticleNumberInUse(Session& session, std::string_view number) {
  return runOperation(
      session, operationName(kArticleNumbersModule, OperationKind::Function, "Artikelnummer_Verwendet"),
      false, [&] {
        return countOf(session,
                       "SELECT count(ID) as Anzahl FROM Belegpositionen WHERE ([Artikelnummer] IN (" +
                           SqlQuoted(number) + "))") > 0;
      });
}

std::string DrawArticleNumber(Session& session) {
  std::string number = Next_Nummernkreis_Wert(session, "A");
  while (!number.empty() && CountArticlesWithNumber(session, number, 0) > 0) {
    number = Next_Nummernkreis_Wert(session, "A");
  }
  return number;
}

}  // namespace orvosal

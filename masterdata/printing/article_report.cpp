#include "masterdata/printing/article_report.h"

#include <limits>
#include <map>
#include <set>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "masterdata/articles/article_search.h"
#include "masterdata/printing/list_report.h"
#include "masterdata/printing/record_report_fields.h"

namespace orvosal {
namespace {

// The articles of the keys, in the order of the keys, with all their columns.
std::vector<Article> articlesInOrder(Session& session, const std::vector<int64_t>& ids) {
  if (ids.empty()) return {};
  std::string list;
  for (const int64_t id : ids) list += (list.empty() ? "" : ", ") + std::to_string(id);
  std::map<int64_t, Article> byId;
  for (Recordset rs(GlobalConnection(session), "SELECT * FROM Artikel WHERE [ID] IN (" + list + ")");
       !rs.eof(); rs.moveNext()) {
    Article article = readRecord(rs, ArticleFields());
    byId.emplace(article.id, std::move(article));
  }
  std::vector<Article> articles;
  for (const int64_t id : ids) {
    if (const auto found = byId.find(id); found != byId.end()) articles.push_back(std::move(found->second));
  }
  return articles;
}

std::vector<Article> searchedArticles(Session& session, const ArticleListFilter& filter) {
  std::vector<int64_t> ids;
  std::set<int64_t> listed;
  for (const ArticleSearchField field :
       {ArticleSearchField::NumberInfix, ArticleSearchField::AnyDescription}) {
    ArticleSearch search;
    search.text = filter.search;
    search.field = field;
    search.warengruppe = filter.warengruppe;
    search.limit = std::numeric_limits<int>::max();
    for (const ArticleSearchRow& row : searchArticles(session, search)) {
      if (listed.insert(row.id).second) ids.push_back(row.id);
    }
  }
  return articlesInOrder(session, ids);
}

std::vector<Article> allArticles(Session& session, const std::string& warengruppe) {
  const std::string where =
      warengruppe.empty() ? "" : " WHERE [Warengruppe] = '" + SqlText(warengruppe) + "'";
  std::vector<Article> articles;
  for (Recordset rs(GlobalConnection(session),
                    "SELECT * FROM Artikel" + where + " ORDER BY [Artikelnummer], [ID]");
       !rs.eof(); rs.moveNext()) {
    articles.push_back(readRecord(rs, ArticleFields()));
  }
  return articles;
}

std::string filterText(const ArticleListFilter& filter) {
  std::string text;
  if (!filter.warengruppe.empty()) text = "Warengruppe „" + filter.warengruppe + "“";
  const std::string_view search = trim(filter.search);
  if (!search.empty())
    text += (text.empty() ? "" : ", ") + std::string("Suche „") + std::string(search) + "“";
  return text;
}

}  // namespace

void defineArticleFields(ReportValues& values, const Article& article) {
  defineRecordFields(values, "Artikel", article, ArticleFields());
}

ReportData ArticleListReport(Session& session, const ArticleListFilter& filter) {
  ReportData data;
  const std::vector<Article> articles = runOperation(
      session, operationName("frmArtikel", OperationKind::Sub, "Liste_drucken"), std::vector<Article>(), [&] {
        return trim(filter.search).empty() ? allArticles(session, filter.warengruppe)
                                           : searchedArticles(session, filter);
      });
  Currency stock;
  Currency stockValue;
  for (const Article& article : articles) {
    ReportValues& record = data.addRecord();
    defineArticleFields(record, article);
    const Currency value = article.bestand * article.einkaufspreis;
    record.defineNumber("Lagerwert", value);
    stock += article.bestand;
    stockValue += value;
  }
  defineListVariables(session, data, "Artikelliste", filterText(filter));
  data.variables.defineNumber("Summe_Bestand", stock);
  data.variables.defineNumber("Summe_Lagerwert", stockValue);
  return data;
}

}  // namespace orvosal

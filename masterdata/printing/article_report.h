#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/session.h"
#include "masterdata/articles/article.h"
#include "masterdata/articles/article_search.h"
#include "output/report/report_data.h"

namespace orvosal {

// Every column of the article as "Artikel.<Column>" (see defineRecordFields).
void defineArticleFields(ReportValues& values, const Article& article);

// Which articles a printed article list holds: those the article search finds for the text in
// the field, or without a field those whose number or one of whose description lines contains
// the text (all when it is blank); of one product group and one supplier when they are named.
struct ArticleListFilter {
  std::string search;
  std::string warengruppe;
  std::optional<ArticleSearchField> field;
  int64_t lieferant = 0;
};

// The article list: one record per article with its columns as "Artikel.<Column>" and its stock
// value "Lagerwert" (stock × purchase price), by article number (with a search text: first the
// number hits, then the description hits); the list variables with the title "Artikelliste" and
// the sums "Summe_Bestand" and "Summe_Lagerwert". A database error gives a list without records.
ReportData ArticleListReport(Session& session, const ArticleListFilter& filter);

}  // namespace orvosal

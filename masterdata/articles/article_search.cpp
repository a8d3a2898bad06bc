#include "masterdata/articles/article_search.h"

#include <algorithm>
#include <set>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_german_order.h"
#include "core/db/sql_helpers.h"
#include "core/db/sql_search_conditions.h"
#include "core/operation_guard.h"
#include "core/schema/article_text_index.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr const char* kModule = "mdlArtikelSuche";

using RowText = std::string ArticleSearchRow::*;

// The order of a part of the result: columns as SQL names them, and the same as row members.
struct Order {
  std::vector<std::string> columns;
  std::vector<RowText> members;
};

const Order kByNumber{{"Artikelnummer"}, {&ArticleSearchRow::artikelnummer}};
const Order kByBarcode{{"Barcode", "Artikelnummer"},
                       {&ArticleSearchRow::barcode, &ArticleSearchRow::artikelnummer}};
const Order kByEanCode{{"EAN-Code", "Artikelnummer"},
                       {&ArticleSearchRow::eanCode, &ArticleSearchRow::artikelnummer}};
const Order kByDescription{{"Bezeichnung1", "Artikelnummer"},
                           {&ArticleSearchRow::bezeichnung1, &ArticleSearchRow::artikelnummer}};

// One query of a search: its condition and order. A search runs its parts one after the other
// while the list is not full; each part adds the rows the earlier ones did not find.
struct Part {
  std::string condition;
  const Order& order;
};

// The trigram index answers for texts of three characters and more; shorter pieces have no
// trigram to look up.
constexpr size_t kTrigram = 3;

size_t characterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The full-text query for the pieces of the text between its wildcards that are long enough for
// the trigram index, in the given columns; empty when no piece is.
std::string textQuery(std::string_view text, const std::vector<std::string>& columns) {
  std::string phrases;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.size(), text.find_first_of("*%_", start));
    const std::string_view piece = text.substr(start, end - start);
    if (characterCount(piece) >= kTrigram) {
      std::string phrase;
      for (char c : piece) phrase += (c == '"') ? std::string("\"\"") : std::string(1, c);
      phrases += (phrases.empty() ? "\"" : " AND \"") + phrase + "\"";
    }
    start = end + 1;
  }
  if (phrases.empty()) return "";
  std::string names;
  for (const std::string& column : columns) names += (names.empty() ? "" : " ") + column;
  return "{" + names + "} : (" + phrases + ")";
}

// One of the columns contains the text. On the file database the trigram table narrows the rows
// first; LIKE decides, so that both engines find the same.
std::string containsAny(bool textTable, const std::vector<std::string>& columns, std::string_view text) {
  std::string condition;
  for (const std::string& column : columns)
    condition += (condition.empty() ? "" : " OR ") + SqlContains(column, text);
  condition = "(" + condition + ")";
  const std::string query = textTable ? textQuery(text, columns) : "";
  if (query.empty()) return condition;
  return "([ID] IN (SELECT rowid FROM " + std::string(kArticleTextTable) + " WHERE " +
         std::string(kArticleTextTable) + " MATCH " + SqlQuoted(query) + ") AND " + condition + ")";
}

const std::vector<std::string> kNumberColumn{"Artikelnummer"};
const std::vector<std::string> kFirstLine{"Bezeichnung1"};
const std::vector<std::string> kAllLines{"Bezeichnung1", "Bezeichnung2", "Bezeichnung3",
                                         "Bezeichnung4", "Bezeichnung5", "Bezeichnung6",
                                         "Bezeichnung7", "Bezeichnung8", "Bezeichnung9"};

const Order& orderOf(ArticleSearchField field) {
  const bool byNumber = field == ArticleSearchField::Number || field == ArticleSearchField::NumberInfix;
  return byNumber ? kByNumber : kByDescription;
}

std::vector<Part> searchParts(const Dialect& dialect, bool textTable, ArticleSearchField field,
                              std::string_view text) {
  if (text.empty()) return {{"", orderOf(field)}};
  switch (field) {
    case ArticleSearchField::Number:
      return {{SqlStartsWith(dialect, "Artikelnummer", text), kByNumber}};
    case ArticleSearchField::NumberInfix:
      return {{containsAny(textTable, kNumberColumn, text), kByNumber}};
    case ArticleSearchField::Description:
      return {{SqlStartsWith(dialect, "Bezeichnung1", text), kByDescription}};
    case ArticleSearchField::DescriptionInfix:
      return {{containsAny(textTable, kFirstLine, text), kByDescription}};
    case ArticleSearchField::AnyDescription:
      return {{containsAny(textTable, kAllLines, text), kByDescription}};
    case ArticleSearchField::Barcode:
      return {{SqlStartsWith(dialect, "Barcode", text), kByBarcode},
              {SqlStartsWith(dialect, "EAN-Code", text), kByEanCode}};
  }
  return {};
}

// The conditions of the chosen group and supplier, each with a leading " AND ".
std::string filterSql(const ArticleSearch& search) {
  std::string filter;
  if (!trim(search.warengruppe).empty())
    filter += " AND ([Warengruppe] = " + SqlQuoted(search.warengruppe) + ")";
  if (!trim(search.hauptwarengruppe).empty())
    filter += " AND ([Hauptwarengruppe] = " + SqlQuoted(search.hauptwarengruppe) + ")";
  if (search.lieferant > 0) {
    const std::string supplier = std::to_string(search.lieferant);
    filter +=
        " AND ([Lieferant] = " + supplier +
        " OR [ID] IN (SELECT [Artikel_ID] FROM [LieferantenPreise] WHERE [LieferantenID] = " + supplier +
        "))";
  }
  return filter;
}

std::string partSql(const Part& part, const ArticleSearch& search) {
  std::string where = part.condition.empty() ? "(1 = 1)" : part.condition;
  where += filterSql(search);
  std::string order;
  for (const std::string& column : part.order.columns) order += "[" + column + "], ";
  return "SELECT Top " + std::to_string(search.limit) +
         " [ID], [Artikelnummer], [Bezeichnung1], [Einheit], [Verkaufspreis1], [Bestand], [Warengruppe], "
         "[Barcode], [EAN-Code] FROM "
         "Artikel WHERE (" +
         where + ") ORDER BY " + order + "[ID]";
}

// German order on the order's columns, then the key; the engines' own orders differ in details,
// the list shows one order on both.
void sortRows(std::vector<ArticleSearchRow>& rows, size_t from, const Order& order) {
  std::sort(rows.begin() + static_cast<std::ptrdiff_t>(from), rows.end(),
            [&](const ArticleSearchRow& a, const ArticleSearchRow& b) {
              for (RowText member : order.members) {
                if (const int result = compareGerman(a.*member, b.*member); result != 0) return result < 0;
              }
              return a.id < b.id;
            });
}

ArticleSearchRow readRow(const Recordset& rs) {
  ArticleSearchRow row;
  row.id = rs["ID"].toInt();
  row.artikelnummer = rs["Artikelnummer"].toText();
  row.bezeichnung1 = rs["Bezeichnung1"].toText();
  row.einheit = rs["Einheit"].toText();
  row.verkaufspreis1 = rs["Verkaufspreis1"].toCurrency();
  row.bestand = rs["Bestand"].toCurrency();
  row.warengruppe = rs["Warengruppe"].toText();
  row.barcode = rs["Barcode"].toText();
  row.eanCode = rs["EAN-Code"].toText();
  return row;
}

bool hasFilter(const ArticleSearch& search) {
  return !trim(search.warengruppe).empty() || !trim(search.hauptwarengruppe).empty() || search.lieferant > 0;
}

}  // namespace

std::vector<ArticleSearchRow> searchArticles(Session& session, const ArticleSearch& search) {
  return runOperation(session, operationName(kModule, OperationKind::Function, "Suche"),
                      std::vector<ArticleSearchRow>{}, [&] {
                        std::vector<ArticleSearchRow> rows;
                        const std::string_view text = trim(search.text);
                        if ((text.empty() && !hasFilter(search)) || search.limit <= 0) return rows;
                        const Dialect& dialect = session.database().dialect;
                        std::set<int64_t> found;
                        const bool textTable = HasArticleTextTable(GlobalConnection(session));
                        for (const Part& part : searchParts(dialect, textTable, search.field, text)) {
                          if (rows.size() >= static_cast<size_t>(search.limit)) break;
                          const size_t from = rows.size();
                          for (Recordset rs(GlobalConnection(session), partSql(part, search)); !rs.eof();
                               rs.moveNext()) {
                            ArticleSearchRow row = readRow(rs);
                            if (found.insert(row.id).second) rows.push_back(std::move(row));
                          }
                          sortRows(rows, from, part.order);
                        }
                        if (rows.size() > static_cast<size_t>(search.limit))
                          rows.resize(static_cast<size_t>(search.limit));
                        return rows;
                      });
}

std::vector<std::string> ArticleSearchGroups(Session& session) {
  return runOperation(
      session, operationName(kModule, OperationKind::Function, "Warengruppen"), std::vector<std::string>{},
      [&] {
        std::vector<std::string> names;
        for (Recordset rs(GlobalConnection(session),
                          "SELECT DISTINCT [WarenGruppe] FROM Warengruppe WHERE ([WarenGruppe] <> '')");
             !rs.eof(); rs.moveNext()) {
          if (std::string name = rs["WarenGruppe"].toText(); !trim(name).empty())
            names.push_back(std::move(name));
        }
        std::sort(names.begin(), names.end(),
                  [](const std::string& a, const std::string& b) { return compareGerman(a, b) < 0; });
        return names;
      });
}

std::vector<ArticleSearchSupplier> ArticleSearchSuppliers(Session& session) {
  return runOperation(
      session, operationName(kModule, OperationKind::Function, "Lieferanten"),
      std::vector<ArticleSearchSupplier>{}, [&] {
        struct Named {
          ArticleSearchSupplier supplier;
          std::string name;
          std::string vorname;
        };
        std::vector<Named> found;
        const std::string sql = "SELECT [ID], [Kundennummer], [Name], [Vorname] FROM Adressen WHERE (" +
                                CreateBooleanSelect(session.database().dialect, "Kunde", false, false) + ")";
        for (Recordset rs(GlobalConnection(session), sql); !rs.eof(); rs.moveNext()) {
          Named named{{rs["ID"].toInt(), ""}, rs["Name"].toText(), rs["Vorname"].toText()};
          const std::string number = rs["Kundennummer"].toText();
          named.supplier.caption = named.name + (trim(named.vorname).empty() ? "" : ", " + named.vorname) +
                                   (trim(number).empty() ? "" : " (" + number + ")");
          found.push_back(std::move(named));
        }
        std::sort(found.begin(), found.end(), [](const Named& a, const Named& b) {
          if (const int byName = compareGerman(a.name, b.name); byName != 0) return byName < 0;
          if (const int byFirst = compareGerman(a.vorname, b.vorname); byFirst != 0) return byFirst < 0;
          return a.supplier.id < b.supplier.id;
        });
        std::vector<ArticleSearchSupplier> suppliers;
        for (Named& named : found) suppliers.push_back(std::move(named.supplier));
        return suppliers;
      });
}

}  // namespace orvosal

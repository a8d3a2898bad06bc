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

constexpr const char* kArticleSearchModule = "mdlArtikelSuche";

using ArticleRowText = std::string ArticleSearchRow::*;

// The order of a part of the result: columns as SQL names them, and the same as row members.
struct ArticleOrder {
  std::vector<std::string> columns;
  std::vector<ArticleRowText> members;
};

const ArticleOrder kByArticleNumber{{"Artikelnummer"}, {&ArticleSearchRow::artikelnummer}};
const ArticleOrder kByBarcode{{"Barcode", "Artikelnummer"},
                              {&ArticleSearchRow::barcode, &ArticleSearchRow::artikelnummer}};
const ArticleOrder kByEanCode{{"EAN-Code", "Artikelnummer"},
                              {&ArticleSearchRow::eanCode, &ArticleSearchRow::artikelnummer}};
const ArticleOrder kByDescription{{"Bezeichnung1", "Artikelnummer"},
                                  {&ArticleSearchRow::bezeichnung1, &ArticleSearchRow::artikelnummer}};

// One query of a search: its condition and order. A search runs its parts one after the other
// while the list is not full; each part adds the rows the earlier ones did not find. A part whose
// text may stand anywhere in its columns (`contains`) has no index range to walk; its `narrowing`
// lets the trigram index find the rows (the trigram table on the file database, "(1 = 1)" on the
// server, whose indexes serve LIKE itself), and is empty for a text too short for that index.
struct ArticleSearchPart {
  std::string condition;
  const ArticleOrder& order;
  bool contains = false;
  std::string narrowing;
  std::vector<std::string> columns;  // of a contains search: the columns searched
};

// A part whose condition walks an index range in the list's order (or has no condition).
ArticleSearchPart startsWith(std::string condition, const ArticleOrder& order) {
  return ArticleSearchPart{std::move(condition), order, false, "", {}};
}

// The trigram index answers for texts of three characters and more; shorter pieces have no
// trigram to look up.
constexpr size_t kTrigram = 3;

// How many articles, in the list's order, a contains search reads first: a text found often fills
// the list within them, walking the order's index; a rarer one is looked up by the trigram index.
// Where the searched columns are not all in the order's index, every article read is a read of its
// row, and fewer are read.
constexpr int kFirstArticles = 20000;
constexpr int kFirstArticlesRead = 2000;

size_t characterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The pieces of the text between its wildcards that are long enough for the trigram index.
std::vector<std::string_view> trigramPieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.size(), text.find_first_of("*%_", start));
    const std::string_view piece = text.substr(start, end - start);
    if (characterCount(piece) >= kTrigram) pieces.push_back(piece);
    start = end + 1;
  }
  return pieces;
}

// The full-text query for those pieces in the given columns.
std::string textQuery(const std::vector<std::string_view>& pieces, const std::vector<std::string>& columns) {
  std::string phrases;
  for (std::string_view piece : pieces) {
    std::string phrase;
    for (char c : piece) phrase += (c == '"') ? std::string("\"\"") : std::string(1, c);
    phrases += (phrases.empty() ? "\"" : " AND \"") + phrase + "\"";
  }
  std::string names;
  for (const std::string& column : columns) names += (names.empty() ? "" : " ") + column;
  return "{" + names + "} : (" + phrases + ")";
}

// One of the columns contains the text; LIKE decides, so that both engines find the same. The
// server's trigram indexes serve LIKE itself; on the file database the trigram table narrows the
// rows first.
ArticleSearchPart containsAny(bool textTable, const std::vector<std::string>& columns, std::string_view text,
                              const ArticleOrder& order) {
  std::string condition;
  for (const std::string& column : columns)
    condition += (condition.empty() ? "" : " OR ") + SqlContains(column, text);
  ArticleSearchPart part{"(" + condition + ")", order, true, "", columns};
  const std::vector<std::string_view> pieces = trigramPieces(text);
  if (pieces.empty()) return part;
  part.narrowing = textTable ? "([ID] IN (SELECT rowid FROM " + std::string(kArticleTextTable) + " WHERE " +
                                   std::string(kArticleTextTable) + " MATCH " +
                                   SqlQuoted(textQuery(pieces, columns)) + "))"
                             : "(1 = 1)";
  return part;
}

const std::vector<std::string> kNumberColumn{"Artikelnummer"};
const std::vector<std::string> kFirstLine{"Bezeichnung1"};
const std::vector<std::string> kAllLines{"Bezeichnung1", "Bezeichnung2", "Bezeichnung3",
                                         "Bezeichnung4", "Bezeichnung5", "Bezeichnung6",
                                         "Bezeichnung7", "Bezeichnung8", "Bezeichnung9"};

const ArticleOrder& orderOf(ArticleSearchField field) {
  const bool byNumber = field == ArticleSearchField::Number || field == ArticleSearchField::NumberInfix;
  return byNumber ? kByArticleNumber : kByDescription;
}

std::vector<ArticleSearchPart> articleSearchParts(const Dialect& dialect, bool textTable,
                                                  ArticleSearchField field, std::string_view text) {
  if (text.empty()) return {startsWith("", orderOf(field))};
  switch (field) {
    case ArticleSearchField::Number:
      return {startsWith(SqlStartsWith(dialect, "Artikelnummer", text), kByArticleNumber)};
    case ArticleSearchField::NumberInfix:
      return {containsAny(textTable, kNumberColumn, text, kByArticleNumber)};
    case ArticleSearchField::Description:
      return {startsWith(SqlStartsWith(dialect, "Bezeichnung1", text), kByDescription)};
    case ArticleSearchField::DescriptionInfix:
      return {containsAny(textTable, kFirstLine, text, kByDescription)};
    case ArticleSearchField::AnyDescription:
      return {containsAny(textTable, kAllLines, text, kByDescription)};
    case ArticleSearchField::Barcode:
      return {startsWith(SqlStartsWith(dialect, "Barcode", text), kByBarcode),
              startsWith(SqlStartsWith(dialect, "EAN-Code", text), kByEanCode)};
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

constexpr const char* kListColumns =
    "[ID], [Artikelnummer], [Bezeichnung1], [Einheit], [Verkaufspreis1], [Bestand], [Warengruppe], "
    "[Barcode], "
    "[EAN-Code]";

std::string orderSql(const ArticleOrder& order) {
  std::string sql = " ORDER BY ";
  for (const std::string& column : order.columns) sql += "[" + column + "], ";
  return sql + "[ID]";
}

std::string condition(const std::string& condition) { return condition.empty() ? "(1 = 1)" : condition; }

// The first rows of the part in its order.
std::string firstRowsSql(const ArticleSearchPart& part, const ArticleSearch& search) {
  return "SELECT Top " + std::to_string(search.limit) + " " + kListColumns + " FROM Artikel WHERE (" +
         condition(part.condition) + filterSql(search) + ")" + orderSql(part.order);
}

// The keys of the first hits among the first articles of the order. The inner query reads only
// the key and the searched columns, which the index of the order holds beside the key (all but the
// further description lines), so that it walks the index without reading the articles. The outer
// query keeps the inner one's order and stops at the list's length; sorting there would sort
// every hit.
std::string hitsAmongFirstSql(const ArticleSearchPart& part, const ArticleSearch& search) {
  std::string columns;
  for (const std::string& column : part.columns) columns += ", [" + column + "]";
  const int first = part.columns.size() == 1 ? kFirstArticles : kFirstArticlesRead;
  return "SELECT Top " + std::to_string(search.limit) + " [ID] FROM (SELECT Top " + std::to_string(first) +
         " [ID]" + columns + " FROM Artikel WHERE ((1 = 1)" + filterSql(search) + ")" + orderSql(part.order) +
         ") AS Vorauswahl WHERE " + part.condition;
}

std::string rowsByKeySql(const std::vector<int64_t>& ids) {
  std::string list;
  for (int64_t id : ids) list += (list.empty() ? "" : ",") + std::to_string(id);
  return "SELECT " + std::string(kListColumns) + " FROM Artikel WHERE ([ID] IN (" + list + "))";
}

// Every hit, found through the trigram index; the list is sorted here.
std::string allHitsSql(const ArticleSearchPart& part, const ArticleSearch& search) {
  return "SELECT " + std::string(kListColumns) + " FROM Artikel WHERE (" + part.narrowing + " AND " +
         part.condition + filterSql(search) + ")";
}

// German order on the order's columns, then the key; the engines' own orders differ in details,
// the list shows one order on both.
void sortArticleRows(std::vector<ArticleSearchRow>& rows, size_t from, const ArticleOrder& order) {
  std::sort(rows.begin() + static_cast<std::ptrdiff_t>(from), rows.end(),
            [&](const ArticleSearchRow& a, const ArticleSearchRow& b) {
              for (ArticleRowText member : order.members) {
                if (const int result = compareGerman(a.*member, b.*member); result != 0) return result < 0;
              }
              return a.id < b.id;
            });
}

ArticleSearchRow readArticleRow(const Recordset& rs) {
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

std::vector<ArticleSearchRow> readRows(Connection& db, const std::string& sql) {
  std::vector<ArticleSearchRow> rows;
  for (Recordset rs(db, sql); !rs.eof(); rs.moveNext()) rows.push_back(readArticleRow(rs));
  return rows;
}

// The hits of one part, the first ones of its order. A contains search first reads the first
// articles of the order: when they fill the list, no later article can push one out. Otherwise
// the text is rare, and the trigram index finds all its hits; a text too short for it keeps the
// hits among the first articles (all of them where there are no more articles than that).
std::vector<ArticleSearchRow> partRows(Connection& db, const ArticleSearchPart& part,
                                       const ArticleSearch& search) {
  if (!part.contains) return readRows(db, firstRowsSql(part, search));
  std::vector<int64_t> ids;
  for (Recordset rs(db, hitsAmongFirstSql(part, search)); !rs.eof(); rs.moveNext())
    ids.push_back(rs["ID"].toInt());
  if (ids.size() >= static_cast<size_t>(search.limit) || part.narrowing.empty())
    return ids.empty() ? std::vector<ArticleSearchRow>{} : readRows(db, rowsByKeySql(ids));
  return readRows(db, allHitsSql(part, search));
}

}  // namespace

std::vector<ArticleSearchRow> searchArticles(Session& session, const ArticleSearch& search) {
  return runOperation(session, operationName(kArticleSearchModule, OperationKind::Function, "Suche"),
                      std::vector<ArticleSearchRow>{}, [&] {
                        std::vector<ArticleSearchRow> rows;
                        const std::string_view text = trim(search.text);
                        if ((text.empty() && !hasFilter(search)) || search.limit <= 0) return rows;
                        Connection& db = GlobalConnection(session);
                        std::set<int64_t> found;
                        for (const ArticleSearchPart& part : articleSearchParts(
                                 session.database().dialect, HasArticleTextTable(db), search.field, text)) {
                          if (rows.size() >= static_cast<size_t>(search.limit)) break;
                          const size_t from = rows.size();
                          for (ArticleSearchRow& row : partRows(db, part, search)) {
                            if (found.insert(row.id).second) rows.push_back(std::move(row));
                          }
                          sortArticleRows(rows, from, part.order);
                        }
                        if (rows.size() > static_cast<size_t>(search.limit))
                          rows.resize(static_cast<size_t>(search.limit));
                        return rows;
                      });
}

std::vector<std::string> ArticleSearchGroups(Session& session) {
  return runOperation(
      session, operationName(kArticleSearchModule, OperationKind::Function, "Warengruppen"),
      std::vector<std::string>{}, [&] {
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
      session, operationName(kArticleSearchModule, OperationKind::Function, "Lieferanten"),
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

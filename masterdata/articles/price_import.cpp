#include "masterdata/articles/price_import.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <variant>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/current_user.h"
#include "masterdata/articles/price_import_write.h"
#include "masterdata/spreadsheets/column_reference.h"

namespace orvosal {
namespace {

constexpr const char* kPriceImportModule = "mdlPreisImport";

// Article numbers go into one IN list per this many, so that a file of any length needs a few
// queries and no statement grows beyond what the engines parse quickly.
constexpr size_t kNumbersPerQuery = 1000;

// One line of the file that carries a price.
struct PriceLine {
  int line = 0;
  std::string number;
  Currency price;
};

// An article as the import finds it: its key and the price of the chosen target.
struct StoredArticle {
  int64_t id = 0;
  std::string number;
  Currency price;
};

std::string lineText(int line) { return "Zeile " + std::to_string(line) + ": "; }

// Whether the text ends with the suffix, ignoring case.
bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && equalsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// The price of a cell: a number cell as stored, a text in German or point notation, optionally
// followed by "€" or "EUR". Negative amounts are no price.
std::optional<Currency> priceOf(const SpreadsheetCell& cell) {
  std::optional<Currency> price;
  if (cell.number) {
    try {
      price = Currency::fromDouble(*cell.number);
    } catch (const std::overflow_error&) {
      return std::nullopt;
    }
  } else {
    // Spreadsheet programs put a no-break space between amount and currency.
    const std::string spaced = replaceAll(cell.text, "\u00A0", " ");
    std::string_view text = trim(spaced);
    for (const std::string_view currency : {"€", "EUR"}) {
      if (endsWithNoCase(text, currency)) text = trim(text.substr(0, text.size() - currency.size()));
    }
    price = Currency::parse(text);
  }
  if (price && *price < Currency()) return std::nullopt;
  return price;
}

std::string upperKey(std::string_view number) { return toUpperGerman(number); }

// The lines of the file with number and price, in file order; the message of the first line that
// has no usable number or price, or that repeats a number with another price.
std::variant<std::vector<PriceLine>, std::string> priceLines(const SpreadsheetTable& table, bool headerRow,
                                                             size_t numberColumn, size_t priceColumn) {
  std::vector<PriceLine> lines;
  std::unordered_map<std::string, size_t> firstOfNumber;
  for (size_t at = headerRow ? 1 : 0; at < table.rows.size(); ++at) {
    const SpreadsheetRow& row = table.rows[at];
    const std::string number(trim(row.text(numberColumn)));
    const SpreadsheetCell* priceCell = row.cell(priceColumn);
    const bool priceGiven = priceCell != nullptr && !trim(priceCell->text).empty();
    if (number.empty() && !priceGiven) continue;
    if (number.empty()) return lineText(row.line) + "Artikelnummer fehlt";
    if (!priceGiven) return lineText(row.line) + "Preis fehlt";
    const std::optional<Currency> price = priceOf(*priceCell);
    if (!price) return lineText(row.line) + "\"" + std::string(trim(priceCell->text)) + "\" ist kein Preis";
    const auto [earlier, first] = firstOfNumber.try_emplace(upperKey(number), lines.size());
    if (!first) {
      const PriceLine& before = lines[earlier->second];
      if (before.price == *price) continue;
      return lineText(row.line) + "Artikelnummer " + number + " steht schon in Zeile " +
             std::to_string(before.line) + " mit einem anderen Preis";
    }
    lines.push_back({row.line, number, *price});
  }
  if (lines.empty()) return std::string("Die Datei enthält keine Zeilen mit Preisen.");
  return lines;
}

// The articles whose numbers the lines name, by upper-cased number, each in ID order; with the
// price of `column` (empty: none is read).
std::unordered_map<std::string, std::vector<StoredArticle>> articlesOf(Connection& connection,
                                                                       const std::vector<PriceLine>& lines,
                                                                       const std::string& column) {
  std::unordered_map<std::string, std::vector<StoredArticle>> found;
  for (size_t start = 0; start < lines.size(); start += kNumbersPerQuery) {
    std::string list;
    for (size_t i = start; i < std::min(lines.size(), start + kNumbersPerQuery); ++i) {
      list += (i == start ? "" : ",") + SqlQuoted(lines[i].number);
    }
    const std::string priceColumn = column.empty() ? "" : ", [" + column + "]";
    for (Recordset rs(connection, "SELECT [ID], [Artikelnummer]" + priceColumn +
                                      " FROM Artikel WHERE ([Artikelnummer] IN (" + list +
                                      ")) ORDER BY [ID]");
         !rs.eof(); rs.moveNext()) {
      StoredArticle article{rs["ID"].toInt(), rs["Artikelnummer"].toText(), Currency()};
      if (!column.empty()) article.price = rs[column].toCurrency();
      found[upperKey(article.number)].push_back(article);
    }
  }
  return found;
}

// The supplier's price of each article that has a row of his (the first row where there are
// several).
std::map<int64_t, Currency> supplierPrices(Connection& connection, int64_t supplierId) {
  std::map<int64_t, Currency> prices;
  for (Recordset rs(connection,
                    "SELECT [Artikel_ID], [Preis] FROM LieferantenPreise WHERE ([LieferantenID] IN (" +
                        std::to_string(supplierId) + ")) ORDER BY [ID]");
       !rs.eof(); rs.moveNext()) {
    prices.try_emplace(rs["Artikel_ID"].toInt(), rs["Preis"].toCurrency());
  }
  return prices;
}

std::optional<Currency> priceOfArticle(const std::map<int64_t, Currency>& prices, int64_t articleId) {
  const auto found = prices.find(articleId);
  if (found == prices.end()) return std::nullopt;
  return found->second;
}

bool supplierExists(Session& session, int64_t supplierId) {
  Recordset rs(GlobalConnection(session),
               "SELECT count(ID) as Anzahl FROM Adressen WHERE ([ID] IN (" + std::to_string(supplierId) +
                   ")) AND (" + CreateBooleanSelect(session.database().dialect, "Kunde", false, false) + ")");
  return rs["Anzahl"].toInt() > 0;
}

// The mapping's fault that no file can cure, or empty.
std::string mappingFault(Session& session, const PriceImportMapping& mapping) {
  if (trim(mapping.numberColumn).empty()) return "Bitte die Spalte der Artikelnummer angeben.";
  if (trim(mapping.priceColumn).empty()) return "Bitte die Spalte des Preises angeben.";
  if (mapping.target == PriceImportTarget::Verkaufspreis && (mapping.level < 1 || mapping.level > 9)) {
    return "Verkaufspreis" + std::to_string(mapping.level) + " gibt es nicht.";
  }
  if (mapping.target == PriceImportTarget::Lieferantenpreis) {
    if (mapping.supplierId <= 0) return "Bitte den Lieferanten auswählen.";
    if (!supplierExists(session, mapping.supplierId)) {
      return "Lieferant " + std::to_string(mapping.supplierId) + " nicht gefunden.";
    }
  }
  return "";
}

PriceImportResult plan(Session& session, const SpreadsheetTable& table, const PriceImportMapping& mapping) {
  PriceImportResult result;
  if (result.error = mappingFault(session, mapping); !result.error.empty()) return result;
  const auto numberColumn = resolveColumn(table, mapping.headerRow, mapping.numberColumn);
  const auto priceColumn = resolveColumn(table, mapping.headerRow, mapping.priceColumn);
  for (const auto* column : {&numberColumn, &priceColumn}) {
    if (const auto* fault = std::get_if<std::string>(column)) {
      result.error = *fault;
      return result;
    }
  }
  const auto lines =
      priceLines(table, mapping.headerRow, std::get<size_t>(numberColumn), std::get<size_t>(priceColumn));
  if (const auto* fault = std::get_if<std::string>(&lines)) {
    result.error = *fault;
    return result;
  }
  Connection& connection = GlobalConnection(session);
  const bool toSupplier = mapping.target == PriceImportTarget::Lieferantenpreis;
  const auto articles = articlesOf(connection, std::get<std::vector<PriceLine>>(lines),
                                   toSupplier ? std::string() : priceImportTargetName(mapping));
  const std::map<int64_t, Currency> supplier =
      toSupplier ? supplierPrices(connection, mapping.supplierId) : std::map<int64_t, Currency>();
  for (const PriceLine& line : std::get<std::vector<PriceLine>>(lines)) {
    const auto found = articles.find(upperKey(line.number));
    if (found == articles.end()) {
      const std::string unknown = lineText(line.line) + "Artikelnummer " + line.number + " unbekannt";
      if (!mapping.skipUnknown) {
        result.error = unknown;
        result.changes.clear();
        result.skipped.clear();
        return result;
      }
      result.skipped.push_back(unknown);
      continue;
    }
    for (const StoredArticle& article : found->second) {
      const std::optional<Currency> old = toSupplier ? priceOfArticle(supplier, article.id) : article.price;
      if (old && *old == line.price) {
        ++result.unchanged;
      } else {
        result.changes.push_back({line.line, article.id, article.number, old, line.price});
      }
    }
  }
  return result;
}

PriceImportResult failed(std::string message) {
  PriceImportResult result;
  result.error = std::move(message);
  return result;
}

}  // namespace

std::vector<std::string> priceImportTargetNames() {
  std::vector<std::string> names{"Einkaufspreis"};
  for (int level = 1; level <= 9; ++level) names.push_back("Verkaufspreis" + std::to_string(level));
  names.emplace_back("Lieferantenpreis");
  return names;
}

bool setPriceImportTarget(PriceImportMapping& mapping, std::string_view name) {
  if (equalsNoCase(name, "Einkaufspreis")) {
    mapping.target = PriceImportTarget::Einkaufspreis;
    return true;
  }
  if (equalsNoCase(name, "Lieferantenpreis")) {
    mapping.target = PriceImportTarget::Lieferantenpreis;
    return true;
  }
  for (int level = 1; level <= 9; ++level) {
    if (equalsNoCase(name, "Verkaufspreis" + std::to_string(level))) {
      mapping.target = PriceImportTarget::Verkaufspreis;
      mapping.level = level;
      return true;
    }
  }
  return false;
}

std::string priceImportTargetName(const PriceImportMapping& mapping) {
  switch (mapping.target) {
    case PriceImportTarget::Einkaufspreis:
      return "Einkaufspreis";
    case PriceImportTarget::Lieferantenpreis:
      return "Lieferantenpreis";
    case PriceImportTarget::Verkaufspreis:
      break;
  }
  return "Verkaufspreis" + std::to_string(mapping.level);
}

std::string shownPrice(Currency price) {
  std::string text = price.format(4);
  while (text.size() > 3 && text.back() == '0' && text[text.size() - 3] != ',') text.pop_back();
  return text;
}

std::vector<PriceImportSupplier> PriceImportSuppliers(Session& session) {
  return runOperation(
      session, operationName(kPriceImportModule, OperationKind::Function, "PriceImportSuppliers"),
      std::vector<PriceImportSupplier>(), [&] {
        std::vector<PriceImportSupplier> suppliers;
        for (Recordset rs(GlobalConnection(session),
                          "SELECT [ID], [Name], [Vorname], [Kundennummer] FROM Adressen WHERE (" +
                              CreateBooleanSelect(session.database().dialect, "Kunde", false, false) +
                              ") ORDER BY [Name], [Vorname], [ID]");
             !rs.eof(); rs.moveNext()) {
          std::string caption = rs["Name"].toText();
          if (!rs["Vorname"].toText().empty()) caption += ", " + rs["Vorname"].toText();
          caption += " (" + rs["Kundennummer"].toText() + ")";
          suppliers.push_back({rs["ID"].toInt(), caption});
        }
        return suppliers;
      });
}

PriceImportResult PlanPriceImport(Session& session, const SpreadsheetTable& table,
                                  const PriceImportMapping& mapping) {
  return runOperation(session, operationName(kPriceImportModule, OperationKind::Function, "PlanPriceImport"),
                      failed("Die Preise konnten nicht gelesen werden."),
                      [&] { return plan(session, table, mapping); });
}

PriceImportResult ImportPrices(Session& session, const SpreadsheetTable& table,
                               const PriceImportMapping& mapping) {
  if (!session.area<CurrentUser>().allows("Save_Artikel"))
    return failed("Keine Berechtigung für diesen Programmteil");
  // The prices are read and written in one transaction, so that the old prices reported are the
  // ones replaced.
  return runOperation(session, operationName(kPriceImportModule, OperationKind::Function, "ImportPrices"),
                      failed("Der Import ist fehlgeschlagen; es wurde nichts geändert."), [&] {
                        DbTransaction transaction(GlobalConnection(session));
                        PriceImportResult result = plan(session, table, mapping);
                        if (!result.error.empty() || result.changes.empty()) return result;
                        WriteImportedPrices(session, mapping, result.changes);
                        transaction.commit();
                        result.written = true;
                        return result;
                      });
}

}  // namespace orvosal

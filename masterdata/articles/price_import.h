#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/session.h"
#include "masterdata/spreadsheets/spreadsheet.h"

namespace orvosal {

// Import of purchase or selling prices from a spreadsheet: one column names the article by its
// `Artikelnummer`, another holds the price. Either every line of the file is taken or nothing is
// written: a line whose price is no price, a line without number, a number given twice with two
// prices, or (unless the user skips them) a number no article has, stops the import before
// anything is written, and its message names the line.

// Where the prices go: `Einkaufspreis`, `Verkaufspreis1` … `Verkaufspreis9` of the article, or the
// article's `LieferantenPreise` row of one supplier.
enum class PriceImportTarget { Einkaufspreis, Verkaufspreis, Lieferantenpreis };

struct PriceImportMapping {
  // Header caption, column letters or column number counted from 1 (see resolveColumn).
  std::string numberColumn;
  std::string priceColumn;
  bool headerRow = true;
  PriceImportTarget target = PriceImportTarget::Verkaufspreis;
  int level = 1;           // 1..9 with Verkaufspreis
  int64_t supplierId = 0;  // the supplier's address with Lieferantenpreis
  // Lines whose number no article has are left out (and listed) instead of stopping the import.
  bool skipUnknown = false;
};

// The names of the targets as the user chooses them: "Einkaufspreis", "Verkaufspreis1" …
// "Verkaufspreis9", "Lieferantenpreis".
std::vector<std::string> priceImportTargetNames();
// Sets target and level of the mapping from such a name; false for any other name.
bool setPriceImportTarget(PriceImportMapping& mapping, std::string_view name);
std::string priceImportTargetName(const PriceImportMapping& mapping);

// A supplier the import can write prices for: the address's ID and "Name, Vorname (Nummer)".
struct PriceImportSupplier {
  int64_t id = 0;
  std::string caption;
};
// Every supplier, by name.
std::vector<PriceImportSupplier> PriceImportSuppliers(Session& session);

// One price that changes: the line of the file, the article, the price it has (none when the
// supplier has no price row for it yet) and the one it gets.
struct PriceChange {
  int line = 0;
  int64_t articleId = 0;
  std::string artikelnummer;
  std::optional<Currency> oldPrice;
  Currency newPrice;
  bool operator==(const PriceChange&) const = default;
};

// A price as the import's lists show it: decimal comma, two decimals, up to four where it has them
// ("5,00", "1234,5678").
std::string shownPrice(Currency price);

struct PriceImportResult {
  // Why nothing is or would be written, in German; empty when the import can go ahead.
  std::string error;
  // Every price that changes, in the order of the file; prices that stay as they are are only
  // counted. An article number that several articles share changes each of them.
  std::vector<PriceChange> changes;
  int unchanged = 0;
  // "Zeile 17: Artikelnummer 4711 unbekannt" for each line left out.
  std::vector<std::string> skipped;
  bool written = false;
};

// Reads what an import would change without writing anything (preview and dry run).
PriceImportResult PlanPriceImport(Session& session, const SpreadsheetTable& table,
                                  const PriceImportMapping& mapping);

// Plans and writes the changes in one transaction, with the right to save articles: the price
// columns and `geändert` of the articles, or `Preis` and `Datum` of the supplier's rows (a new row
// with an empty `Bestellummer` where the supplier had none), and a history entry per article.
PriceImportResult ImportPrices(Session& session, const SpreadsheetTable& table,
                               const PriceImportMapping& mapping);

}  // namespace orvosal

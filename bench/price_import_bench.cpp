// The spreadsheet price import on 50,000 articles: a CSV file of 10,000 lines, each with a price
// of its own (no two lines share an update), read, planned and written with history, on a file
// database and, when ORVOSAL_TEST_PG names a server, on PostgreSQL.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "bench/bench_server.h"
#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/schema/upgrade.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "masterdata/articles/price_import.h"

namespace {

using namespace orvosal;
constexpr int kArticles = 50000;
constexpr int kLines = 10000;

double milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void fillArticles(Connection& db) {
  int row = 0;
  DbTransaction tx(db);
  db.insertRows(db.tableSchema("Artikel"),
                {"Artikelnummer", "Bezeichnung1", "Einkaufspreis", "Verkaufspreis1"},
                [&](std::vector<Value>& values) {
                  if (row == kArticles) return false;
                  ++row;
                  values = {Value("A-" + std::to_string(row)), Value("Artikel " + std::to_string(row)),
                            Value(Currency::fromInteger(row % 100)), Value(Currency::fromInteger(row % 200))};
                  return true;
                });
  tx.commit();
}

// Every fifth article, with German decimals that differ from line to line.
std::filesystem::path writePriceList(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / "preise.csv";
  std::ofstream out(file, std::ios::binary);
  out << "Artikelnummer;Preis\r\n";
  for (int line = 1; line <= kLines; ++line) {
    out << "A-" << line * 5 << ';' << line << ',' << (line % 100 < 10 ? "0" : "") << line % 100 << "\r\n";
  }
  return file;
}

void benchImport(const char* engine, const std::filesystem::path& folder,
                 const std::function<void(SettingsFiles&)>& configure) {
  bench::BenchSession bench(engine, folder, configure);
  if (!bench.opened()) return;
  Session& session = bench.session();
  Connection& db = bench.db();
  Datenbank_Anpassungen(session);
  session.systemSettings()["WriteUserHsitory"] = "1";
  bench.signIn({"Save_Artikel"});
  fillArticles(db);
  const std::filesystem::path file = writePriceList(folder);

  SpreadsheetTable table;
  const double read = milliseconds([&] { table = std::get<SpreadsheetTable>(ReadSpreadsheet(file, {})); });
  PriceImportMapping mapping{.numberColumn = "Artikelnummer", .priceColumn = "Preis"};
  PriceImportResult result;
  const double planned = milliseconds([&] { result = PlanPriceImport(session, table, mapping); });
  const double imported = milliseconds([&] { result = ImportPrices(session, table, mapping); });
  std::printf(
      "%s: %d articles, %zu lines; read %.0f ms, preview %.0f ms, import with history %.0f ms; "
      "%zu prices changed%s\n",
      engine, kArticles, table.rows.size() - 1, read, planned, imported, result.changes.size(),
      result.error.empty() ? "" : (" - " + result.error).c_str());
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  bench::runOnBothEngines("orvosal_price_import_bench", "ANALYZE", false,
                          [](const bench::BenchEngine& e) { benchImport(e.name, e.folder, e.configure); });
  return 0;
}

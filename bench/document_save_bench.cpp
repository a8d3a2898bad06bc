// A document with 1,000 positions saved in one bulk write through the document window's rules and
// loaded again, on a file database and, when ORVOSAL_TEST_PG names a server, on PostgreSQL.
// Prints the median and slowest time of each over several rounds, each round a new document.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_server.h"
#include "core/db/database.h"
#include "core/schema/upgrade.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "documents/editing/open_document.h"
#include "documents/types/document_type_store.h"

namespace {

using namespace orvosal;
constexpr int kPositions = 1000;
constexpr int kRounds = 5;

double milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::vector<DocumentPosition> positions() {
  std::vector<DocumentPosition> rows;
  for (int i = 0; i < kPositions; ++i) {
    DocumentPosition p;
    p.artikelnummer = std::to_string(100000 + i);
    p.bezeichnung1 = "Schraube verzinkt M" + std::to_string(4 + i % 8);
    p.bezeichnung2 = i % 3 == 0 ? "Lieferung im Karton zu 100 Stück" : "";
    p.menge = Currency::fromInteger(1 + i % 20);
    p.einheit = "Stk";
    p.mwst = i % 10 == 0 ? 1 : 2;
    p.verkaufsPreis = Currency::fromUnits(1000 + 37 * i);
    p.einkaufsPreis = Currency::fromUnits(600 + 21 * i);
    p.orginalPreis = p.verkaufsPreis;
    rows.push_back(std::move(p));
  }
  return rows;
}

std::pair<double, double> medianAndMax(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}

void benchDocument(const char* engine, const std::filesystem::path& folder,
                   const std::function<void(SettingsFiles&)>& configure) {
  bench::BenchSession bench(engine, folder, configure);
  if (!bench.opened()) return;
  Session& session = bench.session();
  Datenbank_Anpassungen(session);
  bench.signIn({"Rechnungen", "Change_Beleg", "Change_Items", "Save_Kunde"});
  int64_t invoiceType = 0;
  for (const DocumentType& type : ListDocumentTypes(session, true)) {
    if (type.belegtitel == "Rechnung") invoiceType = type.id;
  }
  const std::vector<DocumentPosition> rows = positions();
  std::vector<double> saves;
  std::vector<double> loads;
  size_t loadedRows = 0;
  int64_t partner = 0;
  for (int round = 0; round < kRounds; ++round) {
    OpenDocument document(session, true, invoiceType);
    // The first round creates the customer from the typed name, the others choose it.
    if (partner == 0)
      document.header().name = "Krause";
    else
      document.choosePartner(partner);
    document.saveHeader();
    partner = document.header().kdNr;
    saves.push_back(milliseconds([&] { document.addPositions(rows); }));
    loads.push_back(milliseconds([&] {
      const std::optional<OpenDocument> loaded = OpenDocument::load(session, true, document.id());
      loadedRows = loaded ? loaded->positions().size() : 0;
    }));
  }
  const auto [saveMedian, saveMax] = medianAndMax(saves);
  const auto [loadMedian, loadMax] = medianAndMax(loads);
  std::printf("%s: %d positions saved in %.1f ms (max %.1f), loaded (%zu rows) in %.1f ms (max %.1f)\n",
              engine, kPositions, saveMedian, saveMax, loadedRows, loadMedian, loadMax);
  bench.printFirstError();
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  bench::runOnBothEngines("orvosal_document_save_bench", "ANALYZE", false,
                          [](const bench::BenchEngine& e) { benchDocument(e.name, e.folder, e.configure); });
  return 0;
}

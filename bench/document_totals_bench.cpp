// The totals of one invoice with 1,000 positions (ordinary positions at both VAT rates, subtotals,
// deductions, a position not charged and shipping): computed from the positions in memory, and
// recomputed from the database (read header and positions, compute, store), on a file database
// and, when ORVOSAL_TEST_PG names a server, on PostgreSQL. Prints median and slowest milliseconds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_server.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "documents/totals/document_totals.h"

namespace {

using namespace orvosal;
constexpr int kPositions = 1000;
constexpr int kComputeRounds = 101;
constexpr int kRecomputeRounds = 21;

double milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int64_t storeInvoice(Connection& db) {
  Recordset type(db, "SELECT ID FROM Belegarten WHERE ([Belegtitel] IN ('Rechnung'))");
  DocumentHeader header;
  header.belegartenId = static_cast<int>(type["ID"].toInt());
  header.kunde = true;
  header.name = "Kunde";
  header.mwstGr = Currency::fromInteger(19);
  header.mwstKl = Currency::fromInteger(7);
  header.rabatt = Currency::fromInteger(3);
  Recordset rs(db, "SELECT Top 1 * FROM Belegkopf");
  rs.addNew();
  writeRecord(rs, header, DocumentHeaderFields());
  rs.update();
  return rs["BelegID"].toInt();
}

// Every tenth line a subtotal, every fiftieth a deduction, one line not charged, the last shipping.
std::string typeOfLine(int line) {
  if (line == kPositions) return "V";
  if (line % 50 == 0) return "AG";
  if (line % 10 == 0) return "ZW";
  return "";
}

void storePositions(Connection& db, int64_t belegId) {
  int line = 0;
  DbTransaction tx(db);
  db.insertRows(db.tableSchema("Belegpositionen"),
                {"BelegID", "Zeilennummer", "Menge", "VerkaufsPreis", "EinkaufsPreis", "MwSt", "PosTyp",
                 "KeineBerechnung", "Gewicht", "Arbeitszeit"},
                [&](std::vector<Value>& values) {
                  if (line == kPositions) return false;
                  ++line;
                  const std::string type = typeOfLine(line);
                  values = {Value(belegId),
                            Value(int64_t{line}),
                            Value(Currency::fromInteger(1 + line % 7)),
                            Value(Currency::fromUnits(10000 + line * 137 % 900000)),
                            Value(Currency::fromUnits(6000 + line * 89 % 500000)),
                            Value(int64_t{line % 3 == 0 ? 1 : 2}),
                            type.empty() ? Value() : Value(type),
                            Value(int64_t{line == 500 ? 1 : 0}),
                            Value(Currency::fromUnits(line % 20 * 1000)),
                            Value(Currency())};
                  return true;
                });
  tx.commit();
}

std::vector<DocumentPosition> readPositions(Connection& db, int64_t belegId) {
  std::vector<DocumentPosition> positions;
  Recordset rs(db, "SELECT * FROM Belegpositionen WHERE ([BelegID] IN (" + std::to_string(belegId) +
                       ")) ORDER BY [Zeilennummer],[ID]");
  for (; !rs.eof(); rs.moveNext()) positions.push_back(readRecord(rs, DocumentPositionFields()));
  return positions;
}

void report(const char* label, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-34s median %8.3f ms, slowest %8.3f ms\n", label, times[times.size() / 2], times.back());
}

void benchTotals(const bench::BenchEngine& engine) {
  bench::BenchSession bench(engine.name, engine.folder, engine.configure);
  if (!bench.opened()) return;
  Session& session = bench.session();
  Connection& db = bench.db();
  const int64_t belegId = storeInvoice(db);
  storePositions(db, belegId);
  engine.analyze(db);

  const std::vector<DocumentPosition> positions = readPositions(db, belegId);
  Recordset headerRow(db, "SELECT * FROM Belegkopf WHERE ([BelegID] IN (" + std::to_string(belegId) + "))");
  const TotalsContext context = totalsContextOf(session, readRecord(headerRow, DocumentHeaderFields()));
  std::printf("\n%s: %zu positions\n", engine.name, positions.size());

  std::vector<double> computed;
  DocumentTotals totals;
  for (int round = 0; round < kComputeRounds; ++round) {
    computed.push_back(milliseconds([&] { totals = computeDocumentTotals(positions, context); }));
  }
  report("computed in memory", computed);

  std::vector<double> recomputed;
  recomputeDocumentTotals(session, belegId);  // warms the caches
  for (int round = 0; round < kRecomputeRounds; ++round) {
    recomputed.push_back(milliseconds([&] { recomputeDocumentTotals(session, belegId); }));
  }
  report("read, computed and stored", recomputed);
  std::printf("gross %s, VAT %s + %s, profit %s\n", totals.gesamt.format(2).c_str(),
              totals.mwst16.format(2).c_str(), totals.mwst7.format(2).c_str(),
              totals.reingewinn.format(2).c_str());
  bench.printFirstError();
}

}  // namespace

// With an argument "keep" the databases stay for a look at the query plans.
int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const bool keep = argc > 1 && std::string(argv[1]) == "keep";
  bench::runOnBothEngines("orvosal_document_totals_bench", "ANALYZE", keep, benchTotals);
  return 0;
}

// Printing documents to PDF through the shipped invoice layout: one invoice of about ten pages
// (read the document, draw nothing, lay out, write the PDF, stamp it) as median and slowest of
// several runs, the same invoice as ZUGFeRD (also the check of its items, the CII XML and the
// PDF/A-3 with the XML embedded), and 100 single-page invoices printed one after the other, on a file
// database and, when ORVOSAL_TEST_PG names a server, on PostgreSQL.

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "accounting/einvoice/einvoice_print.h"
#include "bench/bench_server.h"
#include "core/company/company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "documents/printing/document_print.h"
#include "documents/records/document_header.h"
#include "documents/totals/document_totals.h"

namespace {

using namespace orvosal;
constexpr int kLongInvoicePositions = 245;  // ten pages of the shipped invoice layout
constexpr int kLongInvoiceRounds = 11;
constexpr int kShortInvoices = 100;
constexpr int kShortInvoicePositions = 6;

double milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

class NoWindowsPort final : public PrintPort {
 public:
  PrintChoice chooseOutput(std::string_view, const std::vector<std::string>&) override { return {}; }
  void showPreview(const ReportDocument&, std::string_view) override {}
  std::optional<std::string> printOnPrinter(const ReportDocument&, std::string_view, bool, int) override {
    return std::string("Kein Drucker");
  }
  void openDesigner(const std::filesystem::path&, std::string_view,
                    const std::vector<std::string>&) override {}
};

int64_t storeInvoice(Connection& db, int positions) {
  Recordset type(db, "SELECT ID FROM Belegarten WHERE ([Belegtitel] IN ('Rechnung'))");
  DocumentHeader header;
  header.belegartenId = static_cast<int>(type["ID"].toInt());
  header.kunde = true;
  header.name = "Muster Technik GmbH";
  header.straße = "Industrieweg 7";
  header.plz = "50667";
  header.ort = "Köln";
  header.belegdatum = Date::fromYmd(2026, 3, 5);
  header.mwstGr = Currency::fromInteger(19);
  header.mwstKl = Currency::fromInteger(7);
  Recordset rs(db, "SELECT Top 1 * FROM Belegkopf");
  rs.addNew();
  writeRecord(rs, header, DocumentHeaderFields());
  rs.update();
  const int64_t belegId = rs["BelegID"].toInt();

  int line = 0;
  DbTransaction tx(db);
  db.insertRows(db.tableSchema("Belegpositionen"),
                {"BelegID", "Zeilennummer", "Posnummer", "Artikelnummer", "Bezeichnung1", "Menge", "Einheit",
                 "VerkaufsPreis", "MwSt", "KeineBerechnung"},
                [&](std::vector<Value>& values) {
                  if (line == positions) return false;
                  ++line;
                  values = {Value(belegId),
                            Value(int64_t{line}),
                            Value(std::to_string(line)),
                            Value("A-" + std::to_string(10000 + line)),
                            Value("Artikel " + std::to_string(line)),
                            Value(Currency::fromInteger(1 + line % 7)),
                            Value("Stk."),
                            Value(Currency::fromUnits(10000 + line * 137 % 900000)),
                            Value(int64_t{line % 3 == 0 ? 1 : 2}),
                            Value(int64_t{0})};
                  return true;
                });
  tx.commit();
  return belegId;
}

void report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %8.1f ms, slowest %8.1f ms\n", what, times[times.size() / 2], times.back());
}

PrintChoice pdfTo(const std::filesystem::path& file) {
  PrintChoice choice;
  choice.option = kPrintExport;
  choice.exportFormat = "PDF";
  choice.exportFile = file;
  return choice;
}

bool printPdf(Session& session, int64_t belegId, const std::filesystem::path& file) {
  NoWindowsPort port;
  return printDocument(session, port, belegId, pdfTo(file)).printed;
}

bool printZugferd(Session& session, int64_t belegId, const std::filesystem::path& file) {
  NoWindowsPort port;
  return printDocumentWithEInvoice(session, port, belegId, pdfTo(file), std::nullopt,
                                   EInvoiceRequest::Zugferd)
      .printed;
}

void benchPrint(const bench::BenchEngine& engine) {
  bench::BenchSession bench(engine.name, engine.folder, engine.configure);
  if (!bench.opened()) return;
  Session& session = bench.session();
  Connection& db = bench.db();
  bench.signIn({"Rechnungen", "Bestellungen"});
  session.systemSettings()["Automatic"] = "1";
  Company company;
  company.name = "Nordlicht Werkzeuge GmbH";
  company.strasse = "Hafenstraße 12";
  company.plz = "20457";
  company.ort = "Hamburg";
  company.iban = "DE89 3704 0044 0532 0130 00";
  company.euIdentNr = "DE287654321";
  WriteCompany(db, company);

  const int64_t longInvoice = storeInvoice(db, kLongInvoicePositions);
  recomputeDocumentTotals(session, longInvoice);  // an electronic invoice needs the stored totals
  std::vector<int64_t> shortInvoices;
  for (int index = 0; index < kShortInvoices; ++index) {
    shortInvoices.push_back(storeInvoice(db, kShortInvoicePositions));
  }
  engine.analyze(db);
  const std::filesystem::path out = engine.folder / "pdf";
  std::filesystem::create_directories(out);

  std::printf("\n%s\n", engine.name);
  printPdf(session, longInvoice, out / "warm.pdf");  // draws the number, copies the layout
  std::vector<double> times;
  for (int round = 0; round < kLongInvoiceRounds; ++round) {
    times.push_back(milliseconds([&] { printPdf(session, longInvoice, out / "lang.pdf"); }));
  }
  report("10-page invoice (245 positions) to PDF", times);

  times.clear();
  bool allZugferd = true;
  for (int round = 0; round < kLongInvoiceRounds; ++round) {
    times.push_back(milliseconds(
        [&] { allZugferd = printZugferd(session, longInvoice, out / "zugferd.pdf") && allZugferd; }));
  }
  report(allZugferd ? "10-page invoice with ZUGFeRD (PDF/A-3 + XML)" : "10-page ZUGFeRD invoice FAILED",
         times);

  int printed = 0;
  const double all = milliseconds([&] {
    for (const int64_t id : shortInvoices) {
      printed += printPdf(session, id, out / ("kurz" + std::to_string(id) + ".pdf")) ? 1 : 0;
    }
  });
  std::printf("%d single-page invoices to PDF: %.0f ms in all, %.1f ms each\n", printed, all,
              all / kShortInvoices);
  bench.printFirstError();
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  bench::runOnBothEngines("orvosal_document_print_bench", "ANALYZE", false, benchPrint);
  return 0;
}

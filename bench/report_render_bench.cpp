// Report rendering into PDF files: a ten-page list (median of several runs) and one hundred
// one-page reports in a row, each laid out and written on its own.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "output/layout/layout_file.h"
#include "output/report/pdf_export.h"
#include "output/report/report_document.h"

namespace {

using namespace orvosal;
namespace fs = std::filesystem;

const char* const kLayout = R"(layout version=1 title=Rechnung
page size=A4 margin-top=20 margin-bottom=10
font family="Liberation Sans" size=10
band kind=first-header height=100
  text x=25 y=45 w=85 h=5 size=7 text="{Firma_Name} · Hauptstraße 1 · 12345 Musterstadt"
  text x=25 y=62.7 w=85 h=27.3 text="{Name}\nMusterweg 5\n54321 Beispielort"
  text x=125 y=50 w=75 h=5 text="Datum: {Datum|dd.MM.yyyy}"
  text x=25 y=92 w=165 h=7 size=14 bold=ja text="Rechnung {Nummer}"
band kind=page-header height=25
  text x=25 y=12 w=165 h=5 text="Rechnung {Nummer}, Seite {Seite}"
table gap=3
  column name=pos x=25 w=12 align=right
  column name=text x=40 w=95
  column name=menge x=135 w=20 align=right
  column name=betrag x=160 w=30 align=right
  carry sum=Betrag
  header bold=ja rule=ja
    cell column=pos text=Pos.
    cell column=text text=Bezeichnung
    cell column=menge text=Menge
    cell column=betrag text=Betrag
  carry-head
    cell column=text text=Übertrag
    cell column=betrag text="{Übertrag|#,##0.00}"
  row
    cell column=pos text="{Pos}"
    cell column=text text="{Text}"
    cell column=menge text="{Menge|#,##0.##}"
    cell column=betrag text="{Betrag|#,##0.00}"
  carry-foot
    cell column=text text=Übertrag
    cell column=betrag text="{Übertrag|#,##0.00}"
band kind=totals height=20
  text x=100 y=3 w=90 h=5 align=right bold=ja text="Summe {Übertrag|#,##0.00} EUR"
band kind=page-footer height=12
  line x=25 y=0 w=165 h=0
  text x=25 y=2 w=165 h=4 size=7 align=center text="{Firma_Name} · IBAN DE02 1203 0000 0000 2020 51 · Seite {Seite} von {Seiten}"
)";

ReportData invoice(int positions) {
  ReportData data;
  data.variables.define("Firma_Name", "Muster GmbH");
  data.variables.define("Name", "Beispiel AG");
  data.variables.define("Nummer", "RE-2024-0001");
  data.variables.define("Datum", "2024-03-05", ReportValueType::Date);
  for (int pos = 1; pos <= positions; ++pos) {
    ReportValues& record = data.addRecord();
    record.defineNumber("Pos", int64_t{pos});
    record.define("Text", "Artikel " + std::to_string(pos) + " mit einer etwas längeren Bezeichnung");
    record.defineNumber("Menge", int64_t{pos % 7 + 1});
    record.defineNumber("Betrag", Currency::fromUnits(int64_t{pos} * 123400));
  }
  return data;
}

double millisecondsToPrint(const Layout& layout, const ReportData& data, const fs::path& file, int* pages) {
  const auto start = std::chrono::steady_clock::now();
  auto report = renderReport(layout, data);
  if (report.index() != 0 || writePdf(std::get<0>(report), file)) {
    std::fprintf(stderr, "Druck fehlgeschlagen\n");
    std::exit(1);
  }
  *pages = std::get<0>(report).pageCount();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const Layout layout = std::get<0>(parseLayout(kLayout, "Rechnung.lst"));
  const fs::path folder = fs::temp_directory_path() / ("report_bench_" + std::to_string(::getpid()));
  fs::create_directories(folder);

  const ReportData tenPages = invoice(370);
  int pages = 0;
  std::vector<double> runs;
  for (int run = 0; run < 7; ++run)
    runs.push_back(millisecondsToPrint(layout, tenPages, folder / "lang.pdf", &pages));
  std::ranges::sort(runs);
  std::printf("%d-page report to PDF: median %.1f ms (of %zu runs)\n", pages, runs[runs.size() / 2],
              runs.size());

  const ReportData onePage = invoice(8);
  double total = 0;
  for (int i = 0; i < 100; ++i) {
    total += millisecondsToPrint(layout, onePage, folder / ("rechnung" + std::to_string(i) + ".pdf"), &pages);
  }
  std::printf("100 one-page reports to PDF: %.0f ms in all (%d page each)\n", total, pages);
  fs::remove_all(folder);
  return 0;
}

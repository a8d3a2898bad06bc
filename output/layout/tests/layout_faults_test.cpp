#include <gtest/gtest.h>

#include <string>

#include "output/layout/layout_file.h"

namespace orvosal {
namespace {

struct FaultCase {
  const char* name;
  std::string text;
  int line;
  std::string fault;
};

const std::string kHead = "layout version=1 title=Test\n";
const std::string kTable = kHead + "table\n  column name=pos x=25 w=10\n";

class LayoutFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(LayoutFaultTest, NamesLineAndFault) {
  auto result = parseLayout(GetParam().text, "Rechnung.lst");
  ASSERT_EQ(result.index(), 1u) << "read without fault";
  const LayoutFault& fault = std::get<1>(result);
  EXPECT_EQ(fault.line, GetParam().line);
  EXPECT_EQ(fault.fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LayoutFaultTest,
    ::testing::Values(
        FaultCase{"Empty", "# nur ein Kommentar\n\n", 0, "Das Formular ist leer: „layout“ fehlt"},
        FaultCase{"FirstNotLayout", "\npage size=A4\n", 2, "Die erste Anweisung muss „layout“ sein"},
        FaultCase{"LayoutTwice", kHead + "layout version=1\n", 2,
                  "„layout“ darf nur einmal am Anfang stehen"},
        FaultCase{"UnknownVersion", "layout version=2\n", 1, "Unbekannte Formatversion „2“"},
        FaultCase{"MissingVersion", "layout title=x\n", 1, "Fehlendes Attribut „version“"},
        FaultCase{"UnknownStatement", kHead + "\n# x\nbnad kind=totals\n", 4, "Unbekannte Anweisung „bnad“"},
        FaultCase{"UnknownAttribute", kHead + "band kind=totals\n  text x=1 y=1 widht=3 h=4 text=a\n", 3,
                  "Unbekanntes Attribut „widht“"},
        FaultCase{"DoubleAttribute", kHead + "page size=A4 size=A5\n", 2, "Attribut „size“ doppelt"},
        FaultCase{"BadNumber", kHead + "band kind=totals height=1,5\n", 2,
                  "Ungültige Zahl „1,5“ für „height“"},
        FaultCase{"NegativeWidth", kHead + "band kind=totals\n text x=-1 y=0 w=-2 h=1 text=a\n", 3,
                  "„w“ darf nicht negativ sein"},
        FaultCase{"MissingRequired", kHead + "band kind=totals\n  box x=1 y=1 w=3\n", 3,
                  "Fehlendes Attribut „h“"},
        FaultCase{"BadBoolean", kHead + "font bold=yes\n", 2,
                  "Ungültiger Wahrheitswert „yes“ für „bold“ (ja oder nein)"},
        FaultCase{"BadColor", kHead + "band kind=totals\n line x=0 y=0 w=1 h=0 color=red\n", 3,
                  "Ungültige Farbe „red“ für „color“ (#rrggbb)"},
        FaultCase{"BadAlign", kTable + "  column name=x x=1 w=1 align=middle\n", 4,
                  "Ungültige Ausrichtung „middle“ (left, center oder right)"},
        FaultCase{"BadImageAlign",
                  kHead + "band kind=totals\n  image x=0 y=0 w=1 h=1 align=links source=a.png\n", 3,
                  "Ungültige Ausrichtung „links“ (left, center oder right)"},
        FaultCase{"BadPaper", kHead + "page size=B7\n", 2, "Unbekanntes Papierformat „B7“"},
        FaultCase{"BadOrientation", kHead + "page orientation=upright\n", 2,
                  "Ungültige Ausrichtung des Blattes „upright“ (portrait oder landscape)"},
        FaultCase{"UnknownBandKind", kHead + "band kind=footer\n", 2, "Unbekannte Bereichsart „footer“"},
        FaultCase{"BandTwice", kHead + "band kind=totals\nband kind=totals\n", 3, "Bereich „totals“ doppelt"},
        FaultCase{"ElementWithoutBand", kHead + "text x=1 y=1 w=1 h=1 text=a\n", 2,
                  "„text“ gehört in einen Bereich: davor fehlt „band“"},
        FaultCase{"ElementAfterTable", kTable + "  text x=1 y=1 w=1 h=1 text=a\n", 4,
                  "„text“ gehört in einen Bereich: davor fehlt „band“"},
        FaultCase{"UnterminatedQuote", kHead + "layout title=\"offen\n", 2, "Anführungszeichen ohne Ende"},
        FaultCase{"UnknownEscape", kHead + "band kind=totals\n text x=0 y=0 w=1 h=1 text=\"a\\tb\"\n", 3,
                  "Unbekannte Escape-Folge „\\t“"},
        FaultCase{"WordWithoutValue", kHead + "band kind=totals bold\n", 2,
                  "Erwartet name=wert statt „bold“"},
        FaultCase{"UnknownFormat", kHead + "band kind=totals\n text x=0 y=0 w=1 h=1 text=\"{Betrag|0,00}\"\n",
                  3, "Unbekanntes Format „0,00“"},
        FaultCase{"UnclosedPlaceholder", kHead + "band kind=totals\n text x=0 y=0 w=1 h=1 text=\"{Betrag\"\n",
                  3, "Platzhalter ohne schließende Klammer"},
        FaultCase{"LoneBrace", kHead + "band kind=totals\n text x=0 y=0 w=1 h=1 text=a}\n", 3,
                  "„}“ ohne öffnende Klammer (für die Klammer selbst „}}“ schreiben)"},
        FaultCase{"ConditionSyntax", kHead + "band kind=totals\n text x=0 y=0 w=1 h=1 text=a when=Rabatt\n",
                  3, "Ungültige Bedingung „Rabatt“"},
        FaultCase{"NegatedComparison", kTable + "  row when=!{A}=1\n", 4, "Ungültige Bedingung „!{A}=1“"},
        FaultCase{"TwoTables", kTable + "table\n", 4, "Ein Formular hat höchstens eine Tabelle"},
        FaultCase{"ColumnWithoutTable", kHead + "column name=a x=1 w=1\n", 2,
                  "„column“ gehört zu einer Tabelle: davor fehlt „table“"},
        FaultCase{"ColumnTwice", kTable + "  column name=pos x=40 w=10\n", 4, "Spalte „pos“ doppelt"},
        FaultCase{"CellBeforeRow", kTable + "    cell column=pos text=a\n", 4,
                  "„cell“ vor der ersten Zeile (header, row, carry-foot oder carry-head)"},
        FaultCase{"CellUnknownColumn", kTable + "  row\n    cell column=menge text=a\n", 5,
                  "Unbekannte Spalte „menge“"},
        FaultCase{"CellSpanTooWide", kTable + "  row\n    cell column=pos span=2\n", 5,
                  "Die Zelle reicht über die letzte Spalte hinaus (span=2)"},
        FaultCase{"SpanZero", kTable + "  row\n    cell column=pos span=0\n", 5,
                  "„span“ muss mindestens 1 sein"},
        FaultCase{"HeaderTwice", kTable + "  header\n  header\n", 5,
                  "Die Tabelle hat schon eine Zeile „header“"},
        FaultCase{"PageBreakWithoutCondition", kTable + "  page-break\n", 4, "Fehlendes Attribut „when“"},
        FaultCase{"TableWithoutColumns", kHead + "table gap=2\nband kind=totals\n", 2,
                  "Die Tabelle hat keine Spalte („column“)"},
        FaultCase{"LabelsWithoutBand", kHead + "labels columns=3 rows=8 w=70 h=37\n", 2,
                  "Etikettenbogen ohne Bereich „label“"},
        FaultCase{"LabelBandWithoutSheet", kHead + "band kind=label height=30\n", 2,
                  "Bereich „label“ ohne Etikettenbogen („labels“)"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(LayoutFaultMessage, NamesFileAndLine) {
  EXPECT_EQ((LayoutFault{"/x/Formulare/Rechnung.lst", 12, "Unbekanntes Attribut „widht“"}.message()),
            "Fehler im Formular Rechnung.lst, Zeile 12: Unbekanntes Attribut „widht“");
  EXPECT_EQ((LayoutFault{"Rechnung.lst", 0, "Die Datei fehlt"}.message()),
            "Fehler im Formular Rechnung.lst: Die Datei fehlt");
}

TEST(LayoutFile, MissingFileIsAFaultOfLineZero) {
  auto result = readLayoutFile("/nonexistent/folder/Rechnung.lst");
  ASSERT_EQ(result.index(), 1u);
  EXPECT_EQ(std::get<1>(result).line, 0);
}

}  // namespace
}  // namespace orvosal

#include "output/report/print_job.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

#include <stdlib.h>

#include "core/clock.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "core/startup/shipped_layouts.h"
#include "core/startup/temporary_files.h"

namespace orvosal {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed at the end.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "orvosal-print-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

constexpr std::string_view kGoodLayout =
    "layout version=1 title=\"Probe\"\n"
    "page size=A4\n"
    "band kind=first-header height=40\n"
    "  text x=25 y=10 w=100 h=6 text=\"{Titel}\"\n"
    "table gap=2\n"
    "  column name=a x=25 w=100\n"
    "  row\n"
    "    cell column=a text=\"{Zeile}\"\n";

constexpr std::string_view kBrokenLayout =
    "layout version=1 title=\"Probe\"\n"
    "page size=A4\n"
    "band kind=first-header height=40\n"
    "  text x=25 y=10 widht=100 h=6 text=\"{Titel}\"\n";

void writeFile(const fs::path& file, std::string_view text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::vector<fs::path> filesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

// The windows of a print as a test plays them: answers queued, calls recorded.
class RecordingPort final : public PrintPort {
 public:
  std::deque<PrintChoice> choices;
  std::optional<std::string> printerAnswer;
  std::vector<std::string> asked;  // titles of the options step
  std::vector<std::string> offered;
  int previewPages = 0;
  std::string printedOn;
  int printedPages = 0;
  std::string designerCaption;
  fs::path designerFile;
  std::vector<std::string> designerNames;

  PrintChoice chooseOutput(std::string_view title, const std::vector<std::string>& outputs) override {
    asked.emplace_back(title);
    offered = outputs;
    PrintChoice next = choices.front();
    choices.pop_front();
    return next;
  }
  void showPreview(const ReportDocument& report, std::string_view) override {
    previewPages = report.pageCount();
  }
  std::optional<std::string> printOnPrinter(const ReportDocument& report, std::string_view printerName, bool,
                                            int) override {
    if (printerAnswer) return printerAnswer;
    printedOn = printerName;
    printedPages = report.pageCount();
    return std::nullopt;
  }
  void openDesigner(const fs::path& file, std::string_view caption,
                    const std::vector<std::string>& names) override {
    designerFile = file;
    designerCaption = caption;
    designerNames = names;
  }
};

PrintChoice choice(int option, std::string format = "PDF") {
  PrintChoice result;
  result.option = option;
  result.exportFormat = std::move(format);
  return result;
}

class PrintJobTest : public ::testing::Test {
 protected:
  PrintJobTest() : session_(home_.path(), ui_, clock_) {
    session_.area<ShippedLayouts>().folder = shipped_.path();
    writeFile(shipped_.path() / "Probe.lst", kGoodLayout);
    data_.variables.define("Titel", "Rechnung 2026-0001");
    for (int row = 1; row <= 3; ++row) data_.addRecord().define("Zeile", "Zeile " + std::to_string(row));
    request_.layoutFile = "Probe.lst";
    request_.title = "Rechnung 2026-0001";
    request_.exportFolder = exportFolder();
  }

  fs::path formulare() const { return home_.path() / "Formulare"; }
  fs::path exportFolder() const { return home_.path() / "Export"; }
  PrintResult print() { return printReport(session_, port_, request_, data_); }

  TemporaryFolder home_;
  TemporaryFolder shipped_;
  ScriptedUi ui_;
  FixedClock clock_{DateTime::parse("06.12.2026 10:00:00").value()};
  Session session_;
  RecordingPort port_;
  ReportData data_;
  PrintRequest request_;
};

TEST_F(PrintJobTest, MissingLayoutIsCopiedAndAnEditedOneIsKept) {
  port_.choices.push_back(choice(kPrintPreview));
  EXPECT_TRUE(print().produced);
  EXPECT_EQ(testing::fileText(formulare() / "Probe.lst"), kGoodLayout);

  const std::string edited = std::string(kGoodLayout) + "# vom Anwender geändert\n";
  writeFile(formulare() / "Probe.lst", edited);
  writeFile(shipped_.path() / "Neu.lst", kGoodLayout);
  writeFile(shipped_.path() / "README.md", "nicht kopieren");
  EXPECT_EQ(InstallShippedLayouts(session_), 1);
  EXPECT_EQ(testing::fileText(formulare() / "Probe.lst"), edited);
  EXPECT_TRUE(fs::exists(formulare() / "Neu.lst"));
  EXPECT_FALSE(fs::exists(formulare() / "README.md"));
  EXPECT_EQ(InstallShippedLayouts(session_), 0);
}

TEST_F(PrintJobTest, UnreadableOrMissingLayoutStopsBeforeTheOptionsStep) {
  struct Case {
    std::string layoutFile;
    std::string brokenText;  // written into the program folder's copy when not empty
    std::string reasonPart;
  };
  const std::vector<Case> cases = {
      {"Kaputt.lst", std::string(kBrokenLayout), "Kaputt.lst, Zeile 4"},
      {"Fehlt.lst", "", "Das Formular „Fehlt.lst“ ist weder"},
      {"../Probe.lst", "", "ist kein Formularname"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layoutFile);
    ScriptedUi ui;
    Session session(home_.path(), ui, clock_);
    session.area<ShippedLayouts>().folder = shipped_.path();
    if (!c.brokenText.empty()) writeFile(formulare() / c.layoutFile, c.brokenText);
    request_.layoutFile = c.layoutFile;
    request_.output = choice(kPrintExport);
    const PrintResult result = printReport(session, port_, request_, data_);
    EXPECT_FALSE(result.produced);
    EXPECT_NE(result.error.find(c.reasonPart), std::string::npos) << result.error;
    const std::vector<std::string> messages = ui.texts("message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], result.error);
    EXPECT_EQ(messages[1], "Fehler!\nDruckvorgang abgebrochen");
    EXPECT_TRUE(filesIn(exportFolder()).empty());
    EXPECT_NE(testing::fileText(home_.path() / "error_log.txt").find(c.reasonPart), std::string::npos);
  }
  EXPECT_TRUE(port_.asked.empty());
}

TEST_F(PrintJobTest, CancelledOptionsStepPrintsNothing) {
  port_.choices.push_back(choice(kPrintCancelled));
  const PrintResult result = print();
  EXPECT_EQ(result.option, kPrintCancelled);
  EXPECT_FALSE(result.produced);
  EXPECT_TRUE(result.files.empty());
  EXPECT_TRUE(ui_.shown().empty());
  EXPECT_TRUE(filesIn(exportFolder()).empty());
  EXPECT_EQ(port_.previewPages + port_.printedPages, 0);
  EXPECT_EQ(port_.asked, std::vector<std::string>{"Rechnung 2026-0001"});
}

TEST_F(PrintJobTest, EachOutputAnswersItsCodeAndProducesItsResult) {
  struct Case {
    PrintChoice chosen;
    int code;
    std::vector<std::string> files;  // relative to the program folder
    bool preview;
    bool printer;
  };
  PrintChoice printer = choice(kPrintToPrinter);
  printer.printerName = "Büro";
  PrintChoice unknownCode = choice(7);
  const std::vector<Case> cases = {
      {choice(kPrintPreview), kPrintPreview, {}, true, false},
      {choice(kPrintToFile), kPrintToFile, {"tmp/Rechnung 2026-0001.prn"}, false, false},
      {choice(kPrintExport), kPrintExport, {"Export/Rechnung_2026-0001.pdf"}, false, false},
      {choice(kPrintExport, "PICTURE_PNG"), kPrintExport, {"Export/Rechnung_2026-0001.png"}, false, false},
      {choice(kPrintExport, "PICTURE_JPEG"), kPrintExport, {"Export/Rechnung_2026-0001.jpg"}, false, false},
      {choice(kPrintExport, "PICTURE_TIFF"), kPrintExport, {"Export/Rechnung_2026-0001.tif"}, false, false},
      {printer, kPrintToPrinter, {}, false, true},
      {unknownCode, kPrintToPrinter, {}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " " + c.chosen.exportFormat);
    RecordingPort port;
    port.choices.push_back(c.chosen);
    const PrintResult result = printReport(session_, port, request_, data_);
    EXPECT_EQ(result.option, c.code);
    EXPECT_TRUE(result.produced);
    EXPECT_TRUE(result.error.empty()) << result.error;
    std::vector<fs::path> expected;
    for (const std::string& file : c.files) expected.push_back(home_.path() / fs::u8path(file));
    EXPECT_EQ(result.files, expected);
    for (const fs::path& file : expected) EXPECT_GT(fs::file_size(file), 100u);
    EXPECT_EQ(port.previewPages, c.preview ? 1 : 0);
    EXPECT_EQ(port.printedPages, c.printer ? 1 : 0);
    EXPECT_EQ(port.printedOn, c.chosen.printerName);
  }
  EXPECT_TRUE(ui_.shown().empty());
  EXPECT_EQ(testing::fileText(exportFolder() / "Rechnung_2026-0001.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(testing::fileText(exportFolder() / "Rechnung_2026-0001.png").substr(1, 3), "PNG");
  EXPECT_EQ(testing::fileText(exportFolder() / "Rechnung_2026-0001.tif").substr(0, 4),
            std::string("II*\0", 4));
}

TEST_F(PrintJobTest, PrinterFaultsAndAnUnwritableExportAreReported) {
  port_.printerAnswer = "Es ist kein Drucker eingerichtet.";
  port_.choices.push_back(choice(kPrintToPrinter));
  PrintResult result = print();
  EXPECT_FALSE(result.produced);
  EXPECT_EQ(result.error, "Es ist kein Drucker eingerichtet.");
  EXPECT_EQ(ui_.texts("message"), (std::vector<std::string>{"Es ist kein Drucker eingerichtet.",
                                                            "Fehler!\nDruckvorgang abgebrochen"}));

  port_.printerAnswer = "";  // the printer dialog was cancelled
  port_.choices.push_back(choice(kPrintToPrinter));
  result = print();
  EXPECT_EQ(result.option, kPrintCancelled);
  EXPECT_FALSE(result.produced);
  EXPECT_EQ(ui_.texts("message").size(), 2u);

  for (const std::string format : {"DOCX", "XLS"}) {
    port_.choices.push_back(choice(kPrintExport, format));
    result = print();
    EXPECT_FALSE(result.produced);
    EXPECT_EQ(result.error, "Die Ausgabe „" + format + "“ wird nicht angeboten.");
  }

  writeFile(home_.path() / "Datei", "kein Ordner");
  request_.exportFolder = home_.path() / "Datei";
  port_.choices.push_back(choice(kPrintExport));
  result = print();
  EXPECT_FALSE(result.produced);
  EXPECT_FALSE(result.error.empty());
  EXPECT_TRUE(result.files.empty());
  EXPECT_EQ(ui_.texts("message").back(), "Fehler!\nDruckvorgang abgebrochen");
}

TEST_F(PrintJobTest, ProtectedPdfIsEncrypted) {
  request_.pdfProtection = PdfProtection{"leser", "besitzer", true, false};
  port_.choices.push_back(choice(kPrintExport));
  const PrintResult result = print();
  ASSERT_TRUE(result.produced) << result.error;
  EXPECT_NE(testing::fileText(result.files.at(0)).find("/Encrypt"), std::string::npos);
}

TEST_F(PrintJobTest, SeveralPagesGiveNumberedPictures) {
  for (int row = 4; row <= 200; ++row) data_.addRecord().define("Zeile", "Zeile " + std::to_string(row));
  port_.choices.push_back(choice(kPrintExport, "PICTURE_PNG"));
  const PrintResult result = print();
  ASSERT_TRUE(result.produced) << result.error;
  ASSERT_GT(result.files.size(), 1u);
  EXPECT_EQ(result.files.front().filename(), "Rechnung_2026-0001_1.png");
  EXPECT_EQ(result.files.back().filename(),
            "Rechnung_2026-0001_" + std::to_string(result.files.size()) + ".png");
}

TEST(SilentExportFileName, ReplacesBlanksAndDropsPathCharacters) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Rechnung 2026-0001", "Rechnung_2026-0001.pdf"},
      {"Angebot: A/12,3\\x", "Angebot_A123x.pdf"},
      {"  Müller  ", "__Müller__.pdf"},
      {"", ".pdf"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(silentExportFileName(name), expected) << name;
  EXPECT_EQ(silentExportFileName("Liste 1", ".png"), "Liste_1.png");
}

TEST_F(PrintJobTest, EngineVersionChoosesTheOfferedOutputs) {
  const std::vector<std::string> shortList = {"PRN", "PRV", "PDF"};
  const std::vector<std::string> longList = {"PRN", "PRV",          "DOCX",         "PDF",
                                             "XLS", "PICTURE_JPEG", "PICTURE_TIFF", "PICTURE_PNG"};
  EXPECT_EQ(allowedPrintOutputs(session_), shortList);
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"23", shortList}, {"24", longList}, {" 25 ", longList}, {"abc", shortList}};
  for (const auto& [version, expected] : cases) {
    session_.systemSettings()[std::string(kEngineVersionSetting)] = version;
    EXPECT_EQ(allowedPrintOutputs(session_), expected) << version;
  }
  port_.choices.push_back(choice(kPrintCancelled));
  print();
  EXPECT_EQ(port_.offered, shortList);  // "abc" counts as no version
}

TEST_F(PrintJobTest, DesigningKeepsTheFirstBackupAndPassesTheNames) {
  data_.records.front().define("Belegpositionen.Menge", "2");
  ASSERT_TRUE(designLayout(session_, port_, "Probe.lst", "Rechnung", data_));
  EXPECT_EQ(port_.designerCaption, "Rechnung designen");
  EXPECT_EQ(port_.designerFile, formulare() / "Probe.lst");
  EXPECT_EQ(port_.designerNames, (std::vector<std::string>{"Belegpositionen.Menge", "Titel", "Zeile"}));
  EXPECT_EQ(testing::fileText(formulare() / "Probe_bak.lst"), kGoodLayout);

  writeFile(formulare() / "Probe.lst", "layout version=1 title=\"geändert\"\n");
  ASSERT_TRUE(designLayout(session_, port_, "Probe.lst", "Rechnung", data_));
  EXPECT_EQ(testing::fileText(formulare() / "Probe_bak.lst"), kGoodLayout);

  EXPECT_FALSE(designLayout(session_, port_, "Fehlt.lst", "Fehlt", data_));
  EXPECT_EQ(ui_.texts("message").size(), 1u);
}

}  // namespace
}  // namespace orvosal

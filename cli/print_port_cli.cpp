#include "cli/print_port_cli.h"

#include <charconv>
#include <ostream>

#include "output/report/printer_output.h"

namespace orvosal {

namespace {

constexpr std::string_view kNoOutput =
    "Bitte eine Ausgabe angeben: --pdf DATEI, --png DATEI oder --printer NAME.";
constexpr std::string_view kNoPreview =
    "Eine Vorschau ist auf der Kommandozeile nicht möglich; bitte --pdf DATEI oder --printer NAME angeben.";

}  // namespace

const std::vector<OptionSpec>& printOutputOptions() {
  static const std::vector<OptionSpec> options = {
      {"--pdf", "DATEI", "als PDF-Datei speichern"},
      {"--png", "DATEI", "die Seiten als PNG-Bilder speichern"},
      {"--printer", "NAME", "auf diesem Drucker drucken (leer: Standarddrucker)"},
      {"--copies", "ANZAHL", "Zahl der Exemplare beim Drucken"},
      {"--preview", "", "Vorschau (auf der Kommandozeile nicht möglich)"},
      {"--pdf-password", "KENNWORT", "Kennwort zum Öffnen der PDF-Datei"},
      {"--pdf-owner-password", "KENNWORT", "Kennwort für die Rechte der PDF-Datei"},
  };
  return options;
}

std::variant<PrintChoice, std::string> printChoiceFromOptions(const ParsedArguments& arguments) {
  if (arguments.has("--preview")) return std::string(kNoPreview);
  const int given = arguments.has("--pdf") + arguments.has("--png") + arguments.has("--printer");
  if (given == 0) return std::string(kNoOutput);
  if (given > 1) return std::string("Bitte nur eine Ausgabe angeben: --pdf, --png oder --printer.");
  PrintChoice choice;
  if (arguments.has("--printer")) {
    choice.option = kPrintToPrinter;
    choice.printerName = arguments.value("--printer");
    if (arguments.has("--copies")) {
      const std::string text = arguments.value("--copies");
      int copies = 0;
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), copies);
      if (error != std::errc() || end != text.data() + text.size() || copies < 1 || copies > 99) {
        return "Die Zahl der Exemplare „" + text + "“ ist keine Zahl von 1 bis 99.";
      }
      choice.copies = copies;
    }
    return choice;
  }
  choice.option = kPrintExport;
  choice.exportFormat = arguments.has("--pdf") ? "PDF" : "PICTURE_PNG";
  choice.exportFile = std::filesystem::u8path(arguments.value(arguments.has("--pdf") ? "--pdf" : "--png"));
  if (choice.exportFile.empty()) return std::string("Bitte den Namen der Datei angeben.");
  return choice;
}

std::optional<PdfProtection> pdfProtectionFromOptions(const ParsedArguments& arguments) {
  if (!arguments.has("--pdf-password") && !arguments.has("--pdf-owner-password")) return std::nullopt;
  PdfProtection protection;
  protection.userPassword = arguments.value("--pdf-password");
  protection.ownerPassword = arguments.value("--pdf-owner-password");
  return protection;
}

PrintChoice CliPrintPort::chooseOutput(std::string_view, const std::vector<std::string>&) {
  err_ << kNoOutput << '\n';
  return PrintChoice{};
}

void CliPrintPort::showPreview(const ReportDocument&, std::string_view) { err_ << kNoPreview << '\n'; }

std::optional<std::string> CliPrintPort::printOnPrinter(const ReportDocument& report,
                                                        std::string_view printerName, bool, int copies) {
  return printOnNamedPrinter(report, printerName, copies, "Orvosal");
}

void CliPrintPort::openDesigner(const std::filesystem::path&, std::string_view,
                                const std::vector<std::string>&) {
  err_ << "Formulare werden im Programm designt, nicht auf der Kommandozeile.\n";
}

}  // namespace orvosal

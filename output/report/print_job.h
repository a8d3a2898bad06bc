#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "output/report/pdf_export.h"
#include "output/report/print_output.h"
#include "output/report/report_data.h"
#include "output/report/report_document.h"

namespace orvosal {

class Session;

// The outputs a print offers: the short list, or the long one from engine version 24 on.
inline constexpr std::string_view kShortPrintOutputs = "PRN;PRV;PDF";
inline constexpr std::string_view kLongPrintOutputs =
    "PRN;PRV;DOCX;PDF;XLS;PICTURE_JPEG;PICTURE_TIFF;PICTURE_PNG";
// The row of `SystemSettings` that holds the engine version (a number; missing counts as 0).
inline constexpr std::string_view kEngineVersionSetting = "Druckmodulversion";

// The export formats of the output list that this program can write; "DOCX" and "XLS" are offered
// by the long list but not produced.
bool isWritableExportFormat(std::string_view format);

// What the user (or the caller) chose in the print-options step.
struct PrintChoice {
  int option = kPrintCancelled;  // a `PrintOption` code
  std::string exportFormat =
      "PDF";                // with kPrintExport: "PDF", "PICTURE_PNG", "PICTURE_JPEG", "PICTURE_TIFF"
  std::string printerName;  // with kPrintToPrinter: empty means the default printer
  bool askPrinter = false;  // with kPrintToPrinter: show the printer dialog first
  int copies = 1;
  std::filesystem::path exportFile;  // with kPrintExport: empty means the silent file name
};

// One print: which layout, under which title, and where to.
struct PrintRequest {
  std::string layoutFile;              // the name in the layout folder, e.g. "Rechnung.lst"
  std::string title;                   // shown in the dialogs, e.g. "Rechnung 2026-0001"
  std::string reportName;              // the base of file names; empty: the title
  std::optional<PrintChoice> output;   // empty: ask through the port
  std::filesystem::path exportFolder;  // the folder of the silent export; empty: the temp folder
  std::optional<PdfProtection> pdfProtection;
  std::string author;  // written into an exported PDF
};

// What became of a print. `produced` is true only when the output exists: the printer took the
// pages, the file was written or the preview was shown; the caller stamps a document only then.
struct PrintResult {
  int option = kPrintCancelled;
  bool produced = false;
  std::vector<std::filesystem::path> files;  // every file written
  std::string error;                         // the reason of a failure; empty otherwise
};

// The windows of a print, supplied by the desktop, the command line or a test.
class PrintPort {
 public:
  virtual ~PrintPort() = default;
  // The print-options dialog ("Druckeinstellungen für " + title) with the allowed outputs.
  virtual PrintChoice chooseOutput(std::string_view title, const std::vector<std::string>& outputs) = 0;
  virtual void showPreview(const ReportDocument& report, std::string_view title) = 0;
  // Prints on the named printer (empty: the default one), after the printer dialog when askUser.
  // Answers the German reason of a failure; a printer dialog cancelled by the user answers "".
  virtual std::optional<std::string> printOnPrinter(const ReportDocument& report,
                                                    std::string_view printerName, bool askUser,
                                                    int copies) = 0;
  // Opens the designer on the layout file; `names` are the variables and fields of that print.
  virtual void openDesigner(const std::filesystem::path& file, std::string_view caption,
                            const std::vector<std::string>& names) = 0;
};

// The allowed outputs for this session, split at ";".
std::vector<std::string> allowedPrintOutputs(Session& session);

// The layout's path in the program folder's layout folder (see core/startup/shipped_layouts.h); a
// missing one is copied from the shipped layouts first. The German reason when it exists in
// neither place.
std::variant<std::filesystem::path, std::string> resolveLayout(Session& session, std::string_view layoutFile);

// The file name of a silent export: in the report name " " becomes "_" and ":", ",", "\" and "/"
// are removed; then the extension (".pdf").
std::string silentExportFileName(std::string_view reportName, std::string_view extension = ".pdf");

// The whole print: layout, options step, rendering and output. Any failure is shown through the
// session's Ui as kPrintFailedMessage (after the reason is logged) and nothing is produced.
PrintResult printReport(Session& session, PrintPort& port, const PrintRequest& request,
                        const ReportData& data);

// The names of the variables and of the first record's fields, sorted, for the designer's list.
std::vector<std::string> reportNames(const ReportData& data);

// Opens the designer on the layout (caption: title + " designen") with the names the layout may
// use, after keeping a copy of the file as name + "_bak" + extension when there is none yet. False
// when the layout is missing or the copy cannot be made (the reason was shown).
bool designLayout(Session& session, PrintPort& port, std::string_view layoutFile, std::string_view title,
                  const std::vector<std::string>& names);
// The same for a print: the names are those of its variables and fields.
bool designLayout(Session& session, PrintPort& port, std::string_view layoutFile, std::string_view title,
                  const ReportData& data);

}  // namespace orvosal

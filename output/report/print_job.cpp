#include "output/report/print_job.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <system_error>

#include "core/error_log.h"
#include "core/session.h"
#include "core/startup/shipped_layouts.h"
#include "core/startup/temporary_files.h"
#include "core/text.h"
#include "output/layout/layout_file.h"
#include "output/report/image_export.h"

namespace orvosal {

namespace fs = std::filesystem;

namespace {

const std::string kOperation = operationName("mdlFormularDesign", OperationKind::Function, "PrintOption");

std::vector<std::string> splitOutputs(std::string_view list) {
  std::vector<std::string> outputs;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(';', start), list.size());
    if (end > start) outputs.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return outputs;
}

// The file extension of a picture export format, or empty for a format that is not a picture.
std::string_view pictureExtension(std::string_view format) {
  if (format == "PICTURE_PNG") return ".png";
  if (format == "PICTURE_JPEG") return ".jpg";
  if (format == "PICTURE_TIFF") return ".tif";
  return {};
}

std::string_view pictureWriterFormat(std::string_view format) { return format.substr(format.find('_') + 1); }

// Ends a print with a failure: the reason goes to the error log and to the user, then the
// message that the print was broken off.
PrintResult failed(Session& session, PrintResult result, std::string reason) {
  session.errorLog().record(kOperation, 0, reason);
  session.ui().message(reason, "Drucken", MessageKind::Warning);
  session.ui().message(kPrintFailedMessage, "Drucken", MessageKind::Critical);
  result.produced = false;
  result.files.clear();
  result.error = std::move(reason);
  return result;
}

std::string reportBaseName(const PrintRequest& request) {
  return request.reportName.empty() ? request.title : request.reportName;
}

fs::path exportFolder(Session& session, const PrintRequest& request) {
  return request.exportFolder.empty() ? ProgramTempFolder(session) : request.exportFolder;
}

std::optional<std::string> ensureFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error && !fs::is_directory(folder)) {
    return "Der Ordner „" + folder.string() + "“ kann nicht angelegt werden: " + error.message();
  }
  return std::nullopt;
}

std::optional<std::string> writePdfFile(const ReportDocument& report, const fs::path& file,
                                        const PrintRequest& request, bool protect) {
  if (auto fault = ensureFolder(file.parent_path())) return fault;
  PdfExportOptions options;
  options.title = request.title;
  options.author = request.author;
  if (protect) options.protection = request.pdfProtection;
  return writePdf(report, file, options);
}

PrintResult exportReport(Session& session, const ReportDocument& report, const PrintRequest& request,
                         const PrintChoice& choice, PrintResult result) {
  const std::string& format = choice.exportFormat;
  if (format == "PDF") {
    const fs::path file = choice.exportFile.empty()
                              ? exportFolder(session, request) / silentExportFileName(reportBaseName(request))
                              : choice.exportFile;
    if (auto fault = writePdfFile(report, file, request, true)) return failed(session, result, *fault);
    result.files.push_back(file);
  } else if (const std::string_view extension = pictureExtension(format); !extension.empty()) {
    const fs::path file =
        choice.exportFile.empty()
            ? exportFolder(session, request) / silentExportFileName(reportBaseName(request), extension)
            : choice.exportFile;
    if (auto fault = ensureFolder(file.parent_path())) return failed(session, result, *fault);
    ImageExport images = writePageImages(report, file, pictureWriterFormat(format));
    if (!images.error.empty()) return failed(session, result, images.error);
    result.files = std::move(images.files);
  } else {
    return failed(session, result, "Die Ausgabe „" + format + "“ wird nicht angeboten.");
  }
  result.produced = true;
  return result;
}

}  // namespace

bool isWritableExportFormat(std::string_view format) {
  return format == "PDF" || !pictureExtension(format).empty();
}

std::vector<std::string> allowedPrintOutputs(Session& session) {
  const auto& settings = session.systemSettings();
  int version = 0;
  if (const auto found = settings.find(kEngineVersionSetting); found != settings.end()) {
    const std::string_view text = trim(found->second);
    std::from_chars(text.data(), text.data() + text.size(), version);
  }
  return splitOutputs(version >= 24 ? kLongPrintOutputs : kShortPrintOutputs);
}

std::variant<fs::path, std::string> resolveLayout(Session& session, std::string_view layoutFile) {
  const fs::path name(layoutFile);
  if (layoutFile.empty() || name.has_parent_path() || !name.has_extension()) {
    return "„" + std::string(layoutFile) + "“ ist kein Formularname.";
  }
  if (!EnsureLayout(session, layoutFile)) {
    return "Das Formular „" + std::string(layoutFile) + "“ ist weder im Ordner „" +
           LayoutFolder(session).string() + "“ noch unter den mitgelieferten Formularen vorhanden.";
  }
  return LayoutFolder(session) / name;
}

std::string silentExportFileName(std::string_view reportName, std::string_view extension) {
  std::string name;
  for (const char c : reportName) {
    if (c == ' ') {
      name += '_';
    } else if (c != ':' && c != ',' && c != '\\' && c != '/') {
      name += c;
    }
  }
  return name + std::string(extension);
}

PrintResult printReport(Session& session, PrintPort& port, const PrintRequest& request,
                        const ReportData& data) {
  PrintResult result;
  auto resolved = resolveLayout(session, request.layoutFile);
  if (auto* reason = std::get_if<std::string>(&resolved)) return failed(session, result, *reason);
  auto layout = readLayoutFile(std::get<fs::path>(resolved));
  if (auto* fault = std::get_if<LayoutFault>(&layout)) return failed(session, result, fault->message());

  const PrintChoice choice =
      request.output ? *request.output : port.chooseOutput(request.title, allowedPrintOutputs(session));
  if (choice.option == kPrintCancelled) return result;
  result.option = choice.option;

  auto rendered = renderReport(std::get<Layout>(layout), data);
  if (auto* fault = std::get_if<LayoutFault>(&rendered)) return failed(session, result, fault->message());
  const ReportDocument& report = std::get<ReportDocument>(rendered);

  switch (choice.option) {
    case kPrintPreview:
      port.showPreview(report, request.title);
      result.produced = true;
      return result;
    case kPrintToFile: {
      const fs::path file = ProgramTempFolder(session) / (reportBaseName(request) + ".prn");
      if (auto fault = writePdfFile(report, file, request, false)) return failed(session, result, *fault);
      result.files.push_back(file);
      result.produced = true;
      return result;
    }
    case kPrintExport:
      return exportReport(session, report, request, choice, result);
    default:
      result.option = kPrintToPrinter;
      if (auto fault = port.printOnPrinter(report, choice.printerName, choice.askPrinter, choice.copies)) {
        if (fault->empty()) return PrintResult{};  // the user cancelled the printer dialog
        return failed(session, result, *fault);
      }
      result.produced = true;
      return result;
  }
}

std::vector<std::string> reportNames(const ReportData& data) {
  std::set<std::string, ReportNameLess> names;
  for (const auto& [name, value] : data.variables.all()) names.insert(name);
  if (!data.records.empty()) {
    for (const auto& [name, value] : data.records.front().all()) names.insert(name);
  }
  return {names.begin(), names.end()};
}

bool designLayout(Session& session, PrintPort& port, std::string_view layoutFile, std::string_view title,
                  const std::vector<std::string>& names) {
  auto resolved = resolveLayout(session, layoutFile);
  if (auto* reason = std::get_if<std::string>(&resolved)) {
    session.ui().message(*reason, "Formulare", MessageKind::Warning);
    return false;
  }
  const fs::path& file = std::get<fs::path>(resolved);
  fs::path backup = file;
  backup.replace_filename(file.stem().string() + "_bak" + file.extension().string());
  std::error_code error;
  if (!fs::exists(backup, error)) fs::copy_file(file, backup, error);
  if (error) {
    session.ui().message(
        "Die Sicherungskopie „" + backup.string() + "“ kann nicht angelegt werden: " + error.message(),
        "Formulare", MessageKind::Warning);
    return false;
  }
  port.openDesigner(file, std::string(title) + " designen", names);
  return true;
}

bool designLayout(Session& session, PrintPort& port, std::string_view layoutFile, std::string_view title,
                  const ReportData& data) {
  return designLayout(session, port, layoutFile, title, reportNames(data));
}

}  // namespace orvosal

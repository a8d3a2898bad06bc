#include "cli/price_import_command.h"

#include <ostream>

#include "cli/table_output.h"
#include "core/records/field_text.h"
#include "core/text.h"
#include "masterdata/articles/price_import.h"

namespace orvosal {
namespace {

std::optional<char> separatorOf(std::string_view name) {
  if (name == ";" || name == "," || name == "\t") return name.front();
  if (equalsNoCase(name, "tab")) return '\t';
  return std::nullopt;
}

std::optional<TextEncoding> encodingOf(std::string_view name) {
  if (equalsNoCase(name, "utf-8") || equalsNoCase(name, "utf8")) return TextEncoding::Utf8;
  if (equalsNoCase(name, "windows-1252") || equalsNoCase(name, "cp1252")) return TextEncoding::Windows1252;
  return std::nullopt;
}

PriceImportMapping mappingOf(const ParsedArguments& arguments) {
  PriceImportMapping mapping;
  mapping.numberColumn = arguments.value("--number-column");
  mapping.priceColumn = arguments.value("--price-column");
  mapping.headerRow = !arguments.has("--no-header");
  mapping.skipUnknown = arguments.has("--skip-unknown");
  setPriceImportTarget(mapping, arguments.value("--target"));
  if (arguments.has("--supplier"))
    mapping.supplierId = wholeNumberValue(arguments.value("--supplier"))->toInt();
  return mapping;
}

SpreadsheetOptions optionsOf(const ParsedArguments& arguments) {
  SpreadsheetOptions options;
  if (arguments.has("--separator")) options.separator = *separatorOf(arguments.value("--separator"));
  if (arguments.has("--encoding")) options.encoding = *encodingOf(arguments.value("--encoding"));
  options.sheetName = arguments.value("--sheet");
  return options;
}

}  // namespace

std::string checkPriceImportArguments(const ParsedArguments& arguments) {
  if (arguments.positional.front() != "import") return "Unbekannte Aktion: " + arguments.positional.front();
  if (arguments.positional.size() != 2) return "Bitte genau eine Datei angeben.";
  for (const char* option : {"--number-column", "--price-column", "--target"}) {
    if (!arguments.has(option)) return std::string("Es fehlt ") + option + ".";
  }
  PriceImportMapping mapping;
  if (!setPriceImportTarget(mapping, arguments.value("--target"))) {
    return "Unbekanntes Ziel: " + arguments.value("--target") +
           " (möglich: " + joinStrings(priceImportTargetNames(), ", ") + ")";
  }
  const bool toSupplier = mapping.target == PriceImportTarget::Lieferantenpreis;
  if (toSupplier != arguments.has("--supplier")) {
    return "--supplier gehört genau zum Ziel Lieferantenpreis.";
  }
  if (toSupplier) {
    const std::optional<Value> id = wholeNumberValue(arguments.value("--supplier"));
    if (!id || id->toInt() <= 0) return "Keine gültige Lieferanten-ID: " + arguments.value("--supplier");
  }
  if (arguments.has("--separator") && !separatorOf(arguments.value("--separator"))) {
    return "Unbekanntes Trennzeichen: " + arguments.value("--separator") + " (möglich: ; , tab)";
  }
  if (arguments.has("--encoding") && !encodingOf(arguments.value("--encoding"))) {
    return "Unbekannte Zeichenkodierung: " + arguments.value("--encoding") +
           " (möglich: utf-8, windows-1252)";
  }
  return "";
}

int runPriceImport(CommandContext& context) {
  const ParsedArguments& arguments = context.arguments;
  SpreadsheetReadResult read = ReadSpreadsheet(arguments.positional[1], optionsOf(arguments));
  if (const auto* error = std::get_if<std::string>(&read)) {
    context.err << *error << '\n';
    return kExitFailure;
  }
  const SpreadsheetTable& table = std::get<SpreadsheetTable>(read);
  const PriceImportMapping mapping = mappingOf(arguments);
  const bool dryRun = arguments.has("--dry-run");
  const PriceImportResult result = dryRun ? PlanPriceImport(context.session, table, mapping)
                                          : ImportPrices(context.session, table, mapping);
  if (!result.error.empty()) {
    context.err << result.error << "\nEs wurde nichts geändert.\n";
    return kExitFailure;
  }
  writeTableRow(context.out, {"Artikelnummer", "Alt", "Neu"});
  for (const PriceChange& change : result.changes) {
    writeTableRow(context.out, {change.artikelnummer, change.oldPrice ? shownPrice(*change.oldPrice) : "",
                                shownPrice(change.newPrice)});
  }
  for (const std::string& skipped : result.skipped) context.err << skipped << " (übersprungen)\n";
  context.err << result.changes.size()
              << (dryRun ? " Preise würden geändert (Probelauf, nichts gespeichert), " : " Preise geändert, ")
              << result.unchanged << " unverändert.\n";
  return kExitSuccess;
}

}  // namespace orvosal

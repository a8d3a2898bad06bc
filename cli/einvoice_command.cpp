#include "cli/einvoice_command.h"

#include <filesystem>
#include <ostream>

#include "accounting/einvoice/einvoice_export.h"
#include "core/text.h"

namespace orvosal {
namespace {

std::optional<EInvoiceFormat> formatOf(const std::string& syntax) {
  const std::string lower = toLowerGerman(syntax);
  if (lower == "ubl") return EInvoiceFormat::XRechnungUbl;
  if (lower == "cii") return EInvoiceFormat::XRechnungCii;
  if (lower == "zugferd") return EInvoiceFormat::ZugferdCii;
  return std::nullopt;
}

}  // namespace

std::string checkEInvoiceArguments(const ParsedArguments& arguments) {
  const std::string id = arguments.value("--doc");
  if (!arguments.has("--doc") || !arguments.has("--syntax") || !arguments.has("--out"))
    return "Bitte --doc ID, --syntax ubl|cii|zugferd und --out DATEI angeben.";
  if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos)
    return "Die Beleg-ID muss eine ganze Zahl sein: '" + id + "'.";
  if (!formatOf(arguments.value("--syntax")))
    return "Unbekannte Syntax '" + arguments.value("--syntax") + "': ubl, cii oder zugferd.";
  if (arguments.value("--out").empty()) return "Bitte eine Ausgabedatei angeben.";
  return {};
}

int runEInvoice(CommandContext& context) {
  const int64_t belegId = std::stoll(context.arguments.value("--doc"));
  const EInvoiceFormat format = *formatOf(context.arguments.value("--syntax"));
  const std::filesystem::path file = context.arguments.value("--out");
  const EInvoiceResult result = writeEInvoice(context.session, belegId, format, file);
  if (!result.written) {
    for (const std::string& problem : result.problems) context.err << problem << '\n';
    return kExitFailure;
  }
  context.out << file.string() << '\n';
  return kExitSuccess;
}

}  // namespace orvosal

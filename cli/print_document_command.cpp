#include "cli/print_document_command.h"

#include <ostream>
#include <variant>

#include "accounting/einvoice/einvoice_print.h"
#include "cli/print_port_cli.h"
#include "core/db/database.h"
#include "core/db/recordset.h"

namespace orvosal {

std::vector<OptionSpec> printDocumentOptions() {
  std::vector<OptionSpec> options{
      {"--doc", "ID", "die BelegID des Belegs"},
      {"--zugferd", "", "die PDF-Datei als ZUGFeRD-Rechnung, gleich welches Format der Kunde hat"}};
  const std::vector<OptionSpec>& outputs = printOutputOptions();
  options.insert(options.end(), outputs.begin(), outputs.end());
  return options;
}

std::string checkPrintDocumentArguments(const ParsedArguments& arguments) {
  const std::string id = arguments.value("--doc");
  if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos) {
    return "Bitte den Beleg mit --doc ID angeben (eine ganze Zahl).";
  }
  const auto choice = printChoiceFromOptions(arguments);
  if (const auto* reason = std::get_if<std::string>(&choice)) return *reason;
  if (arguments.has("--zugferd") && !arguments.has("--pdf")) return "--zugferd gilt nur mit --pdf DATEI.";
  return {};
}

int runPrintDocument(CommandContext& context) {
  Session& session = context.session;
  const std::string id = context.arguments.value("--doc");
  {
    Recordset document(GlobalConnection(session),
                       "SELECT BelegID FROM Belegkopf WHERE ([BelegID] IN (" + id + "));");
    if (document.eof()) {
      context.err << "Den Beleg " << id << " gibt es nicht.\n";
      return kExitFailure;
    }
  }
  const PrintChoice choice = std::get<PrintChoice>(printChoiceFromOptions(context.arguments));
  CliPrintPort port(context.err);
  const EInvoiceRequest request =
      context.arguments.has("--zugferd") ? EInvoiceRequest::Zugferd : EInvoiceRequest::CustomerFormat;
  const DocumentPrintOutcome outcome = printDocumentWithEInvoice(
      session, port, std::stoll(id), choice, pdfProtectionFromOptions(context.arguments), request);
  if (!outcome.printed) return kExitFailure;
  context.out << outcome.belegnummer << '\n';
  for (const std::filesystem::path& file : outcome.result.files) context.out << file.string() << '\n';
  return kExitSuccess;
}

}  // namespace orvosal

#include "cli/print_list_command.h"

#include <ostream>
#include <variant>

#include "cli/print_port_cli.h"
#include "core/records/field_text.h"
#include "documents/editing/open_document.h"
#include "documents/printing/document_list_report.h"
#include "documents/printing/record_qr_codes.h"
#include "documents/types/document_type_store.h"
#include "masterdata/printing/address_report.h"
#include "masterdata/printing/article_report.h"
#include "output/report/print_job.h"

namespace orvosal {
namespace {

struct ListOptions {
  std::string_view list;
  std::vector<std::string_view> filters;
};

// The filter options each list takes, as its list command takes them.
const ListOptions kLists[] = {
    {"documents", {"--type", "--partner", "--search", "--purchase"}},
    {"addresses", {"--customer", "--supplier", "--search"}},
    {"articles", {"--search", "--group"}},
    {"labels", {"--customer", "--supplier", "--search"}},
};

const ListOptions* listOptions(std::string_view list) {
  for (const ListOptions& options : kLists) {
    if (options.list == list) return &options;
  }
  return nullptr;
}

int64_t idValue(const ParsedArguments& arguments, const char* option) {
  const std::optional<Value> id = wholeNumberValue(arguments.value(option));
  return id ? id->toInt() : 0;
}

// The document list's filter; nothing, after the message, for an unknown type or a missing right.
std::optional<DocumentListFilter> documentFilter(CommandContext& context) {
  const ParsedArguments& arguments = context.arguments;
  DocumentListFilter filter;
  filter.salesArea = !arguments.has("--purchase");
  if (arguments.has("--type")) {
    const int64_t typeId = idValue(arguments, "--type");
    const std::optional<DocumentType> type = ReadDocumentType(context.session, typeId);
    if (!type) {
      context.err << "Keine Belegart mit der ID " << typeId << ".\n";
      return std::nullopt;
    }
    filter.salesArea = type->kundenbereich;
    filter.belegartenId = typeId;
  }
  if (!OpenDocument::mayOpen(context.session, filter.salesArea)) return std::nullopt;
  if (arguments.has("--partner")) filter.partnerId = idValue(arguments, "--partner");
  filter.search = arguments.value("--search");
  return filter;
}

AddressListFilter addressFilter(const ParsedArguments& arguments) {
  AddressListFilter filter;
  filter.search = arguments.value("--search");
  if (arguments.has("--customer") || arguments.has("--supplier"))
    filter.isCustomer = arguments.has("--customer");
  return filter;
}

}  // namespace

const std::vector<OptionSpec>& printListOptions() {
  static const std::vector<OptionSpec> options = [] {
    std::vector<OptionSpec> all = {
        {"--list", "LISTE", "documents, addresses, articles oder labels (Adressetiketten)"},
        {"--type", "ID", "Belegliste: nur Belege dieser Belegart"},
        {"--partner", "ID", "Belegliste: nur Belege dieses Partners"},
        {"--purchase", "", "Belegliste: der Einkauf statt des Verkaufs"},
        {"--customer", "", "Adressen: nur Kunden"},
        {"--supplier", "", "Adressen: nur Lieferanten"},
        {"--search", "TEXT", "nur Zeilen, die TEXT enthalten (wie die list-Befehle)"},
        {"--group", "WARENGRUPPE", "Artikelliste: nur Artikel dieser Warengruppe"},
    };
    const std::vector<OptionSpec>& outputs = printOutputOptions();
    all.insert(all.end(), outputs.begin(), outputs.end());
    return all;
  }();
  return options;
}

std::string checkPrintListArguments(const ParsedArguments& arguments) {
  const std::string list = arguments.value("--list");
  const ListOptions* options = listOptions(list);
  if (options == nullptr) return "--list ist documents, addresses, articles oder labels: " + list;
  for (const char* filter :
       {"--type", "--partner", "--purchase", "--customer", "--supplier", "--search", "--group"}) {
    if (!arguments.has(filter)) continue;
    bool taken = false;
    for (const std::string_view accepted : options->filters) taken = taken || accepted == filter;
    if (!taken) return std::string(filter) + " gilt nicht für --list " + list + ".";
  }
  if (arguments.has("--customer") && arguments.has("--supplier"))
    return "Bitte nur eines von --customer und --supplier angeben.";
  for (const char* option : {"--type", "--partner"}) {
    if (!arguments.has(option)) continue;
    const std::optional<Value> id = wholeNumberValue(arguments.value(option));
    if (!id || id->toInt() <= 0) return std::string(option) + " braucht eine ID: " + arguments.value(option);
  }
  const auto choice = printChoiceFromOptions(arguments);
  if (const std::string* fault = std::get_if<std::string>(&choice)) return *fault;
  return "";
}

int printList(CommandContext& context) {
  const ParsedArguments& arguments = context.arguments;
  const std::string list = arguments.value("--list");
  PrintRequest request;
  ReportData data;
  if (list == "documents") {
    const std::optional<DocumentListFilter> filter = documentFilter(context);
    if (!filter) return kExitFailure;
    data = DocumentListReport(context.session, *filter);
    request.layoutFile = "Belegliste.lst";
    request.title = "Belegliste";
  } else if (list == "articles") {
    ArticleListFilter filter;
    filter.search = arguments.value("--search");
    filter.warengruppe = arguments.value("--group");
    data = ArticleListReport(context.session, filter);
    request.layoutFile = "Artikelliste.lst";
    request.title = "Artikelliste";
  } else {
    data = AddressListReport(context.session, addressFilter(arguments));
    request.layoutFile = list == "labels" ? "Adressetiketten.lbl" : "Adressliste.lst";
    request.title = list == "labels" ? "Adressetiketten" : "Adressliste";
  }
  request.output = std::get<PrintChoice>(printChoiceFromOptions(arguments));
  request.pdfProtection = pdfProtectionFromOptions(arguments);
  CliPrintPort port(context.err);
  const PrintResult result = printRecordList(context.session, port, request, data);
  if (!result.produced) return kExitFailure;
  for (const std::filesystem::path& file : result.files) context.out << file.string() << '\n';
  return kExitSuccess;
}

}  // namespace orvosal

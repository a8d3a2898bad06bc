#include "cli/print_command.h"

#include <QGuiApplication>
#include <algorithm>

#include "cli/print_document_command.h"
#include "cli/print_list_command.h"

namespace orvosal {
namespace {

// Pages are laid out with Qt's fonts, which need a GUI application object; the command line has
// none of its own, so a print makes one, on the offscreen platform unless another is set. It lives
// until the process ends.
void ensureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "orvosal-cli";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

}  // namespace

std::vector<OptionSpec> printCommandOptions() {
  std::vector<OptionSpec> options = printDocumentOptions();
  for (const OptionSpec& option : printListOptions()) {
    const bool known = std::any_of(options.begin(), options.end(),
                                   [&](const OptionSpec& given) { return given.name == option.name; });
    if (!known) options.push_back(option);
  }
  return options;
}

std::string checkPrintArguments(const ParsedArguments& arguments) {
  if (arguments.has("--doc") && arguments.has("--list"))
    return "Bitte nur eines von --doc und --list angeben.";
  if (arguments.has("--list") && arguments.has("--zugferd")) return "--zugferd gilt nur mit --doc.";
  return arguments.has("--list") ? checkPrintListArguments(arguments)
                                 : checkPrintDocumentArguments(arguments);
}

int runPrint(CommandContext& context) {
  ensureGuiApplication();
  return context.arguments.has("--list") ? printList(context) : runPrintDocument(context);
}

}  // namespace orvosal

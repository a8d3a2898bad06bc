#include "cli/print_port_cli.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

std::variant<PrintChoice, std::string> choiceFor(const std::vector<std::string>& args) {
  auto parsed = parseArguments(args, printOutputOptions());
  if (auto* message = std::get_if<std::string>(&parsed)) return *message;
  return printChoiceFromOptions(std::get<ParsedArguments>(parsed));
}

TEST(CliPrintOptions, EachOutputOptionGivesItsChoice) {
  struct Case {
    std::vector<std::string> args;
    int option;
    std::string format;
    std::string file;
    std::string printer;
    int copies;
  };
  const std::vector<Case> cases = {
      {{"--pdf", "out/R 1.pdf"}, kPrintExport, "PDF", "out/R 1.pdf", "", 1},
      {{"--png", "seite.png"}, kPrintExport, "PICTURE_PNG", "seite.png", "", 1},
      {{"--printer", "Büro"}, kPrintToPrinter, "PDF", "", "Büro", 1},
      {{"--printer", "", "--copies", "3"}, kPrintToPrinter, "PDF", "", "", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const auto result = choiceFor(c.args);
    ASSERT_TRUE(std::holds_alternative<PrintChoice>(result)) << std::get<std::string>(result);
    const PrintChoice& choice = std::get<PrintChoice>(result);
    EXPECT_EQ(choice.option, c.option);
    EXPECT_EQ(choice.exportFormat, c.format);
    EXPECT_EQ(choice.exportFile, std::filesystem::u8path(c.file));
    EXPECT_EQ(choice.printerName, c.printer);
    EXPECT_EQ(choice.copies, c.copies);
    EXPECT_FALSE(choice.askPrinter);
  }
}

TEST(CliPrintOptions, MissingConflictingOrImpossibleOutputsAreRefused) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "Bitte eine Ausgabe angeben: --pdf DATEI, --png DATEI oder --printer NAME."},
      {{"--pdf", "a.pdf", "--printer", "X"}, "Bitte nur eine Ausgabe angeben: --pdf, --png oder --printer."},
      {{"--preview"},
       "Eine Vorschau ist auf der Kommandozeile nicht möglich; bitte --pdf DATEI oder --printer NAME "
       "angeben."},
      {{"--printer", "X", "--copies", "0"}, "Die Zahl der Exemplare „0“ ist keine Zahl von 1 bis 99."},
      {{"--printer", "X", "--copies", "2x"}, "Die Zahl der Exemplare „2x“ ist keine Zahl von 1 bis 99."},
      {{"--pdf", ""}, "Bitte den Namen der Datei angeben."},
  };
  for (const auto& [args, message] : cases) {
    const auto result = choiceFor(args);
    ASSERT_TRUE(std::holds_alternative<std::string>(result));
    EXPECT_EQ(std::get<std::string>(result), message);
  }
}

TEST(CliPrintOptions, PasswordsGiveProtection) {
  auto parsed = std::get<ParsedArguments>(
      parseArguments({"--pdf", "a.pdf", "--pdf-password", "lesen"}, printOutputOptions()));
  const auto protection = pdfProtectionFromOptions(parsed);
  ASSERT_TRUE(protection.has_value());
  EXPECT_EQ(protection->userPassword, "lesen");
  EXPECT_TRUE(protection->ownerPassword.empty());
  parsed = std::get<ParsedArguments>(parseArguments({"--pdf", "a.pdf"}, printOutputOptions()));
  EXPECT_FALSE(pdfProtectionFromOptions(parsed).has_value());
}

}  // namespace
}  // namespace orvosal

#pragma once

#include <iosfwd>

#include "core/ui.h"

namespace orvosal {

// The Ui port on a terminal: messages go to the error stream, questions are answered by the
// --yes/--no flag or, on an interactive terminal, by asking; without either a question refuses.
class TerminalUi final : public Ui {
 public:
  enum class Answers { Ask, Yes, No };
  TerminalUi(std::istream& in, std::ostream& err, Answers answers, bool interactive)
      : in_(in), err_(err), answers_(answers), interactive_(interactive) {}

  void message(std::string_view text, std::string_view title, MessageKind kind) override;
  bool askYesNo(std::string_view text, std::string_view title) override;
  std::optional<std::string> inputText(std::string_view prompt, std::string_view title,
                                       std::string_view proposal) override;
  std::optional<int> chooseFromList(std::string_view prompt, std::string_view title,
                                    const std::vector<std::string>& entries, int preselected) override;
  TableAnswer chooseFromTable(const TableChoice& choice) override;
  std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) override;
  void progress(std::string_view caption, int done, int total) override;
  void showError(std::string_view text) override;

 private:
  std::optional<std::string> readLine();

  std::istream& in_;
  std::ostream& err_;
  Answers answers_;
  bool interactive_;
};

}  // namespace orvosal

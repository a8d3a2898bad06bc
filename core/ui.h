#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

enum class MessageKind { Information, Warning, Critical };

// A list of rows shown in columns, answered by one of its buttons, with the row marked at that
// moment. `window` names the dialog (the desktop gives it that object name). On a terminal that
// cannot ask, --yes answers `yesButton` and --no (or no flag) `noButton`.
struct TableChoice {
  std::string window;
  std::string title;
  std::string hint;
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> buttons;
  int yesButton = 0;
  int noButton = 0;
};

// The button pressed (-1 when the dialog was closed without one) and the marked row, if any. A
// double-click on a row answers button 0 with that row.
struct TableAnswer {
  int button = -1;
  std::optional<int> row;
};

// Every message, question, input and progress report that business operations need. The desktop
// shell answers with dialogs, the command line from its flags or the terminal, tests from a script.
class Ui {
 public:
  virtual ~Ui() = default;
  virtual void message(std::string_view text, std::string_view title, MessageKind kind) = 0;
  virtual bool askYesNo(std::string_view text, std::string_view title) = 0;
  // Empty when the user cancels.
  virtual std::optional<std::string> inputText(std::string_view prompt, std::string_view title,
                                               std::string_view proposal) = 0;
  // Index of the chosen entry; empty when the user cancels.
  virtual std::optional<int> chooseFromList(std::string_view prompt, std::string_view title,
                                            const std::vector<std::string>& entries, int preselected) = 0;
  virtual TableAnswer chooseFromTable(const TableChoice& choice) = 0;
  virtual std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) = 0;
  // A long run reports its step; total 0 means the count is unknown.
  virtual void progress(std::string_view caption, int done, int total) = 0;
  // The error window: shows one entry of the error log.
  virtual void showError(std::string_view text) = 0;
};

}  // namespace orvosal

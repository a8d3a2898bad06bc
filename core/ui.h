#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

enum class MessageKind { Information, Warning, Critical };

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
  virtual std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) = 0;
  // A long run reports its step; total 0 means the count is unknown.
  virtual void progress(std::string_view caption, int done, int total) = 0;
  // The error window: shows one entry of the error log.
  virtual void showError(std::string_view text) = 0;
};

}  // namespace orvosal

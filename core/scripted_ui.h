#pragma once

#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "core/ui.h"

namespace orvosal {

// A Ui for tests and unattended runs: records every text it is shown and answers from a queue.
// A question with no queued answer is a fault of the script and throws, so a test cannot pass
// by accident on a dialog it did not expect.
class ScriptedUi final : public Ui {
 public:
  struct Shown {
    std::string kind;  // "message", "question", "input", "choice", "table", "folder", "error"
    std::string text;
    std::string title;
  };
  using Answer = std::variant<bool, std::string, int, std::filesystem::path, TableAnswer, std::monostate>;

  // Queue the next answer; std::monostate means "cancel".
  void answer(Answer next);

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<std::string> texts(std::string_view kind) const;
  bool pendingAnswers() const { return !answers_.empty(); }
  // What each input offered, in the order asked.
  const std::vector<std::string>& proposals() const { return proposals_; }

  void message(std::string_view text, std::string_view title, MessageKind kind) override;
  bool askYesNo(std::string_view text, std::string_view title) override;
  std::optional<std::string> inputText(std::string_view prompt, std::string_view title,
                                       std::string_view proposal) override;
  std::optional<int> chooseFromList(std::string_view prompt, std::string_view title,
                                    const std::vector<std::string>& entries, int preselected) override;
  TableAnswer chooseFromTable(const TableChoice& choice) override;
  std::optional<std::filesystem::path> chooseFolder(std::string_view prompt) override;
  void progress(std::string_view, int, int) override {}
  void showError(std::string_view text) override;

 private:
  Answer next(std::string_view forWhat);

  std::deque<Answer> answers_;
  std::vector<Shown> shown_;
  std::vector<std::string> proposals_;
};

}  // namespace orvosal

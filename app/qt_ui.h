#pragma once

#include "core/ui.h"

class QWidget;

namespace orvosal {

// The Ui port answered with the desktop's dialogs, parented to the given window.
class QtUi final : public Ui {
 public:
  explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

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
  QWidget* parent_;
};

}  // namespace orvosal

#include "core/scripted_ui.h"

#include <stdexcept>

namespace orvosal {

// Out of line: g++ 12 warns falsely about an uninitialised alternative when the variant's move is
// inlined into a caller.
void ScriptedUi::answer(Answer next) { answers_.push_back(std::move(next)); }

std::vector<std::string> ScriptedUi::texts(std::string_view kind) const {
  std::vector<std::string> result;
  for (const auto& entry : shown_) {
    if (entry.kind == kind) result.push_back(entry.text);
  }
  return result;
}

ScriptedUi::Answer ScriptedUi::next(std::string_view forWhat) {
  if (answers_.empty()) {
    throw std::logic_error("ScriptedUi: no answer queued for " + std::string(forWhat));
  }
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

void ScriptedUi::message(std::string_view text, std::string_view title, MessageKind) {
  shown_.push_back({"message", std::string(text), std::string(title)});
}

bool ScriptedUi::askYesNo(std::string_view text, std::string_view title) {
  shown_.push_back({"question", std::string(text), std::string(title)});
  return std::get<bool>(next(text));
}

std::optional<std::string> ScriptedUi::inputText(std::string_view prompt, std::string_view title,
                                                 std::string_view proposal) {
  shown_.push_back({"input", std::string(prompt), std::string(title)});
  proposals_.emplace_back(proposal);
  Answer answer = next(prompt);
  if (std::holds_alternative<std::monostate>(answer)) return std::nullopt;
  return std::get<std::string>(answer);
}

std::optional<int> ScriptedUi::chooseFromList(std::string_view prompt, std::string_view title,
                                              const std::vector<std::string>&, int) {
  shown_.push_back({"choice", std::string(prompt), std::string(title)});
  Answer answer = next(prompt);
  if (std::holds_alternative<std::monostate>(answer)) return std::nullopt;
  return std::get<int>(answer);
}

TableAnswer ScriptedUi::chooseFromTable(const TableChoice& choice) {
  shown_.push_back({"table", choice.hint, choice.title});
  Answer answer = next(choice.window);
  if (std::holds_alternative<std::monostate>(answer)) return {};
  return std::get<TableAnswer>(answer);
}

std::optional<std::filesystem::path> ScriptedUi::chooseFolder(std::string_view prompt) {
  shown_.push_back({"folder", std::string(prompt), ""});
  Answer answer = next(prompt);
  if (std::holds_alternative<std::monostate>(answer)) return std::nullopt;
  return std::get<std::filesystem::path>(answer);
}

void ScriptedUi::showError(std::string_view text) { shown_.push_back({"error", std::string(text), ""}); }

}  // namespace orvosal

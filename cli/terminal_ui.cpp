#include "cli/terminal_ui.h"

#include <istream>
#include <ostream>

#include "core/text.h"

namespace orvosal {

std::optional<std::string> TerminalUi::readLine() {
  if (!interactive_) return std::nullopt;
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  return std::string(trim(line));
}

void TerminalUi::message(std::string_view text, std::string_view title, MessageKind kind) {
  if (kind != MessageKind::Information && !title.empty()) err_ << title << ": ";
  err_ << text << '\n';
}

bool TerminalUi::askYesNo(std::string_view text, std::string_view title) {
  if (!title.empty()) err_ << title << ": ";
  err_ << text;
  if (answers_ != Answers::Ask) {
    const bool yes = answers_ == Answers::Yes;
    err_ << (yes ? " ja\n" : " nein\n");
    return yes;
  }
  err_ << " [j/n] " << std::flush;
  const auto line = readLine();
  if (!line) {
    err_ << "\nKeine Antwort möglich: bitte --yes oder --no angeben.\n";
    return false;
  }
  return startsWithNoCase(*line, "j") || startsWithNoCase(*line, "y");
}

std::optional<std::string> TerminalUi::inputText(std::string_view prompt, std::string_view title,
                                                 std::string_view proposal) {
  if (!title.empty()) err_ << title << ": ";
  err_ << prompt << " [" << proposal << "] " << std::flush;
  auto line = readLine();
  if (!line) return std::nullopt;
  return line->empty() ? std::string(proposal) : *line;
}

std::optional<int> TerminalUi::chooseFromList(std::string_view prompt, std::string_view title,
                                              const std::vector<std::string>& entries, int preselected) {
  if (!title.empty()) err_ << title << '\n';
  for (size_t i = 0; i < entries.size(); ++i) err_ << "  " << (i + 1) << ") " << entries[i] << '\n';
  err_ << prompt << " [" << (preselected + 1) << "] " << std::flush;
  const auto line = readLine();
  if (!line) return preselected;
  if (line->empty()) return preselected;
  if (!isNumeric(*line)) return std::nullopt;
  const int chosen = std::stoi(*line) - 1;
  if (chosen < 0 || chosen >= static_cast<int>(entries.size())) return std::nullopt;
  return chosen;
}

TableAnswer TerminalUi::chooseFromTable(const TableChoice& choice) {
  if (!choice.title.empty()) err_ << choice.title << '\n';
  if (!choice.hint.empty()) err_ << choice.hint << '\n';
  err_ << "  " << joinStrings(choice.columns, "\t") << '\n';
  for (size_t i = 0; i < choice.rows.size(); ++i)
    err_ << "  " << (i + 1) << ") " << joinStrings(choice.rows[i], "\t") << '\n';
  if (answers_ != Answers::Ask || !interactive_) {
    const int button = answers_ == Answers::Yes ? choice.yesButton : choice.noButton;
    err_ << choice.buttons[static_cast<size_t>(button)] << '\n';
    return {button, std::nullopt};
  }
  for (size_t i = 0; i < choice.buttons.size(); ++i)
    err_ << "  " << static_cast<char>('a' + i) << ") " << choice.buttons[i] << '\n';
  err_ << "Zeilennummer und/oder Buchstabe: " << std::flush;
  const auto line = readLine();
  if (!line || line->empty()) return {};
  TableAnswer answer;
  std::string digits;
  for (const char c : *line) {
    if (c >= '0' && c <= '9')
      digits += c;
    else if (c >= 'a' && c < static_cast<char>('a' + choice.buttons.size()))
      answer.button = c - 'a';
  }
  if (!digits.empty()) {
    const int row = std::stoi(digits) - 1;
    if (row >= 0 && row < static_cast<int>(choice.rows.size())) {
      answer.row = row;
      if (answer.button < 0) answer.button = 0;
    }
  }
  return answer;
}

std::optional<std::filesystem::path> TerminalUi::chooseFolder(std::string_view prompt) {
  err_ << prompt << ": " << std::flush;
  auto line = readLine();
  if (!line || line->empty()) return std::nullopt;
  return std::filesystem::path(*line);
}

void TerminalUi::progress(std::string_view caption, int done, int total) {
  if (total > 0) {
    err_ << '\r' << caption << " (" << done << " von " << total << ")" << (done >= total ? "\n" : "")
         << std::flush;
  } else {
    err_ << caption << '\n';
  }
}

void TerminalUi::showError(std::string_view text) { err_ << text << '\n'; }

}  // namespace orvosal

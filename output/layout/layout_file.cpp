#include "output/layout/layout_file.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include "core/file_bytes.h"
#include "output/layout/layout_parser.h"
#include "output/layout/layout_tokens.h"

namespace orvosal {

std::variant<Layout, LayoutFault> parseLayout(std::string_view text, const std::filesystem::path& file) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  LayoutParser parser;
  int lineNumber = 0;
  while (!text.empty() || lineNumber == 0) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    auto statement = tokenizeLayoutLine(line, lineNumber);
    if (statement.index() == 1) return LayoutFault{file, lineNumber, std::get<1>(statement)};
    const LayoutStatement& parsed = std::get<0>(statement);
    if (parsed.keyword.empty()) continue;
    if (auto fault = parser.add(parsed)) return LayoutFault{file, lineNumber, *fault};
  }
  if (auto fault = parser.finish()) return LayoutFault{file, fault->first, fault->second};
  return std::move(parser.layout());
}

std::variant<Layout, LayoutFault> readLayoutFile(const std::filesystem::path& file) {
  const std::optional<std::string> content = readFileBytes(file);
  if (!content) return LayoutFault{file, 0, "Die Datei " + file.string() + " kann nicht gelesen werden"};
  return parseLayout(*content, file);
}

std::optional<std::string> saveLayoutFile(const Layout& layout, const std::filesystem::path& file) {
  const std::string text = writeLayout(layout);
  QSaveFile out(QString::fromStdString(file.string()));
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
      !out.commit()) {
    return "Das Formular " + file.string() +
           " kann nicht gespeichert werden: " + out.errorString().toStdString();
  }
  return std::nullopt;
}

}  // namespace orvosal

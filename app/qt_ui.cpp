#include "app/qt_ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

#include "app/qt_text.h"
#include "app/table_choice_dialog.h"
#include "core/version.h"

namespace orvosal {
namespace {

QString titleOrProduct(std::string_view title) {
  return title.empty() ? QString(kProductName) : toQString(title);
}

}  // namespace

void QtUi::message(std::string_view text, std::string_view title, MessageKind kind) {
  switch (kind) {
    case MessageKind::Information:
      QMessageBox::information(parent_, titleOrProduct(title), toQString(text));
      break;
    case MessageKind::Warning:
      QMessageBox::warning(parent_, titleOrProduct(title), toQString(text));
      break;
    case MessageKind::Critical:
      QMessageBox::critical(parent_, titleOrProduct(title), toQString(text));
      break;
  }
}

bool QtUi::askYesNo(std::string_view text, std::string_view title) {
  return QMessageBox::question(parent_, titleOrProduct(title), toQString(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtUi::inputText(std::string_view prompt, std::string_view title,
                                           std::string_view proposal) {
  bool ok = false;
  const QString answer = QInputDialog::getText(parent_, titleOrProduct(title), toQString(prompt),
                                               QLineEdit::Normal, toQString(proposal), &ok);
  if (!ok) return std::nullopt;
  return answer.toStdString();
}

std::optional<int> QtUi::chooseFromList(std::string_view prompt, std::string_view title,
                                        const std::vector<std::string>& entries, int preselected) {
  QStringList items;
  for (const auto& entry : entries) items << toQString(entry);
  bool ok = false;
  const QString chosen = QInputDialog::getItem(parent_, titleOrProduct(title), toQString(prompt), items,
                                               preselected, false, &ok);
  if (!ok) return std::nullopt;
  return static_cast<int>(items.indexOf(chosen));
}

TableAnswer QtUi::chooseFromTable(const TableChoice& choice) {
  TableChoiceDialog dialog(choice, parent_);
  dialog.exec();
  return dialog.answer();
}

std::optional<std::filesystem::path> QtUi::chooseFolder(std::string_view prompt) {
  const QString folder = QFileDialog::getExistingDirectory(parent_, toQString(prompt));
  if (folder.isEmpty()) return std::nullopt;
  return std::filesystem::path(folder.toStdString());
}

void QtUi::progress(std::string_view caption, int done, int total) {
  if (auto* window = qobject_cast<QMainWindow*>(parent_)) {
    const QString text = total > 0 ? QString("%1 (%2 von %3)").arg(toQString(caption)).arg(done).arg(total)
                                   : toQString(caption);
    window->statusBar()->showMessage(text);
  }
  QApplication::processEvents();
}

void QtUi::showError(std::string_view text) { QMessageBox::critical(parent_, "Fehler", toQString(text)); }

}  // namespace orvosal

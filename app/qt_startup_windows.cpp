#include "app/qt_startup_windows.h"

#include "app/frm_database.h"
#include "app/frm_login.h"
#include "app/splash_window.h"

namespace orvosal {

void QtStartupWindows::showStep(std::string_view caption) {
  splash_.setStep(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

std::optional<int> QtStartupWindows::chooseDatabase(const std::vector<DatabaseEntry>& entries,
                                                    int preselected) {
  frmDatabase dialog(entries, preselected);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosenPosition();
}

bool QtStartupWindows::signIn(Session& session) {
  frmLogin dialog(session, ui_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace orvosal

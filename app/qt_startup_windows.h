#pragma once

#include "core/startup/startup_windows.h"

namespace orvosal {

class SplashWindow;
class Ui;

// The start-up's windows on the desktop: the splash caption, frmDatabase and frmLogin.
class QtStartupWindows final : public StartupWindows {
 public:
  QtStartupWindows(SplashWindow& splash, Ui& ui) : splash_(splash), ui_(ui) {}

  void showStep(std::string_view caption) override;
  std::optional<int> chooseDatabase(const std::vector<DatabaseEntry>& entries, int preselected) override;
  bool signIn(Session& session) override;

 private:
  SplashWindow& splash_;
  Ui& ui_;
};

}  // namespace orvosal

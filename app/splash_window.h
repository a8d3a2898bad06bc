#pragma once

#include <QWidget>

class QLabel;

namespace orvosal {

// The window shown while the program starts; its caption names the step that is running.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);
  void setStep(const QString& caption);
  QString step() const;

 private:
  QLabel* step_ = nullptr;
};

}  // namespace orvosal

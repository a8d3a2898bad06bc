#include "app/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "core/version.h"

namespace orvosal {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
  setObjectName("frmSplash");
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel(QString("<h1>%1</h1>Version %2").arg(kProductName, kVersionText), this);
  product->setAlignment(Qt::AlignCenter);
  layout->addWidget(product);
  step_ = new QLabel(this);
  step_->setObjectName("step");
  step_->setAlignment(Qt::AlignCenter);
  layout->addWidget(step_);
  resize(420, 180);
}

void SplashWindow::setStep(const QString& caption) {
  step_->setText(caption);
  setWindowTitle(caption);
  QApplication::processEvents();
}

QString SplashWindow::step() const { return step_->text(); }

}  // namespace orvosal

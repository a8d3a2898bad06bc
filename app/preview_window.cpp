#include "app/preview_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/qt_text.h"
#include "output/report/pdf_export.h"
#include "output/report/print_output.h"

namespace orvosal {

namespace {

constexpr double kScreenDotsPerMillimetre = 96.0 / 25.4;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
constexpr double kZoomStep = 1.25;

QPushButton* toolButton(QWidget* parent, QHBoxLayout* bar, const QString& caption, const char* name) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  bar->addWidget(button);
  return button;
}

}  // namespace

frmVorschau::frmVorschau(ReportDocument report, const std::string& title, PrintAction print, QWidget* parent)
    : QWidget(parent, Qt::Window), report_(std::move(report)), title_(title), print_(std::move(print)) {
  setObjectName("frmVorschau");
  setWindowTitle("Vorschau: " + toQString(title));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* bar = new QHBoxLayout;
  connect(toolButton(this, bar, "|<", "cmdErsteSeite"), &QPushButton::clicked, this, [this] { showPage(0); });
  connect(toolButton(this, bar, "<", "cmdVorherigeSeite"), &QPushButton::clicked, this,
          [this] { showPage(page_ - 1); });
  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName("lblSeite");
  bar->addWidget(pageLabel_);
  connect(toolButton(this, bar, ">", "cmdNaechsteSeite"), &QPushButton::clicked, this,
          [this] { showPage(page_ + 1); });
  connect(toolButton(this, bar, ">|", "cmdLetzteSeite"), &QPushButton::clicked, this,
          [this] { showPage(report_.pageCount() - 1); });
  bar->addSpacing(16);
  connect(toolButton(this, bar, "-", "cmdVerkleinern"), &QPushButton::clicked, this, &frmVorschau::zoomOut);
  connect(toolButton(this, bar, "+", "cmdVergroessern"), &QPushButton::clicked, this, &frmVorschau::zoomIn);
  connect(toolButton(this, bar, "Seitenbreite", "cmdSeitenbreite"), &QPushButton::clicked, this,
          &frmVorschau::fitWidth);
  bar->addStretch();
  connect(toolButton(this, bar, "Drucken...", "cmdDrucken"), &QPushButton::clicked, this,
          &frmVorschau::printReport);
  connect(toolButton(this, bar, "Als PDF speichern...", "cmdPDF"), &QPushButton::clicked, this,
          &frmVorschau::chooseAndSavePdf);

  canvas_ = new QLabel;
  canvas_->setObjectName("lblSeitenbild");
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("scrSeite");
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setWidget(canvas_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(scroll_);
  resize(900, 1000);
  render();
}

void frmVorschau::showPage(int index) {
  page_ = std::clamp(index, 0, std::max(0, report_.pageCount() - 1));
  render();
}

void frmVorschau::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  render();
}

void frmVorschau::zoomIn() { setZoom(zoom_ * kZoomStep); }
void frmVorschau::zoomOut() { setZoom(zoom_ / kZoomStep); }

void frmVorschau::fitWidth() {
  const int available = scroll_->viewport()->width() - 2;
  setZoom(available / (report_.pageSizeMillimetres().width() * kScreenDotsPerMillimetre));
}

void frmVorschau::render() {
  pageLabel_->setText(
      QString("Seite %1 von %2").arg(report_.pageCount() == 0 ? 0 : page_ + 1).arg(report_.pageCount()));
  const QSizeF millimetres = report_.pageSizeMillimetres();
  const double scale = kScreenDotsPerMillimetre * zoom_;
  QImage image(static_cast<int>(std::lround(millimetres.width() * scale)),
               static_cast<int>(std::lround(millimetres.height() * scale)), QImage::Format_RGB32);
  image.setDotsPerMeterX(static_cast<int>(std::lround(scale * 1000)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(scale * 1000)));
  image.fill(Qt::white);
  if (report_.pageCount() > 0) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    report_.paintPage(page_, painter);
  }
  canvas_->setPixmap(QPixmap::fromImage(image));
  canvas_->resize(image.size());
}

void frmVorschau::printReport() {
  if (!print_) return;
  if (const auto fault = print_(report_); fault && !fault->empty()) {
    QMessageBox::critical(this, "Drucken", toQString(*fault) + "\n\n" + toQString(kPrintFailedMessage));
  }
}

std::optional<std::string> frmVorschau::saveAsPdf(const std::filesystem::path& file) {
  PdfExportOptions options;
  options.title = title_;
  return writePdf(report_, file, options);
}

void frmVorschau::chooseAndSavePdf() {
  const QString chosen = QFileDialog::getSaveFileName(this, "Als PDF speichern", toQString(title_) + ".pdf",
                                                      "PDF-Dateien (*.pdf)");
  if (chosen.isEmpty()) return;
  if (const auto fault = saveAsPdf(std::filesystem::u8path(chosen.toStdString()))) {
    QMessageBox::critical(this, "Als PDF speichern", toQString(*fault));
  }
}

}  // namespace orvosal

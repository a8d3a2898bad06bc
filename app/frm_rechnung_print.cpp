// The print menu of the document window: printing through the options dialog, the preview and a
// silent PDF. The print itself (number, data, layout, stamps) is documents/printing's, the
// electronic invoice a PDF carries accounting's.
#include <QAction>
#include <QMenu>
#include <QMessageBox>

#include "accounting/einvoice/einvoice_print.h"
#include "app/desktop_print_port.h"
#include "app/frm_rechnung.h"

namespace orvosal {

QMenu* FrmRechnung::buildPrintMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName("mnuDrucken");
  const auto add = [this, menu](const char* caption, const char* name, std::optional<PrintChoice> output) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, output] { printDocumentTo(output); });
    return action;
  };
  add("Drucken...", "mnuDruckenDialog", std::nullopt)->setShortcut(QKeySequence::Print);
  PrintChoice preview;
  preview.option = kPrintPreview;
  add("Vorschau", "mnuVorschau", preview);
  PrintChoice pdf;
  pdf.option = kPrintExport;
  pdf.exportFormat = "PDF";
  add("PDF", "mnuPdf", pdf);
  for (QAction* action : menu->actions()) {
    if (!action->shortcut().isEmpty()) addAction(action);
  }
  return menu;
}

void FrmRechnung::printDocumentTo(std::optional<PrintChoice> output) {
  if (!document_ || !document_->saved()) {
    QMessageBox::information(this, windowTitle(), "Bitte den Beleg zuerst speichern.");
    return;
  }
  DesktopPrintPort port(this);
  const DocumentPrintOutcome outcome = printDocumentWithEInvoice(session_, port, document_->id(), output);
  reloadDocument();  // shows the drawn number and the print stamp
  if (outcome.printed && outcome.result.option == kPrintExport && !outcome.result.files.empty()) {
    QStringList files;
    for (const std::filesystem::path& file : outcome.result.files)
      files << QString::fromStdString(file.string());
    QMessageBox::information(this, windowTitle(), "PDF gespeichert:\n" + files.join("\n"));
  }
}

}  // namespace orvosal

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/session.h"
#include "documents/printing/document_print_steps.h"
#include "output/report/print_job.h"

namespace orvosal {

// What became of printing a document.
struct DocumentPrintOutcome {
  bool printed = false;     // the output exists and the document was stamped
  std::string belegnummer;  // the document's number after the draw
  PrintResult result;
};

// Prints a saved document: the right of its area ("Rechnungen" or "Bestellungen"), then its
// number (`assignDocumentNumber`: drawn and written in one transaction when it has none; a second
// print keeps it), then its data through the layout of its type to the chosen output: `output`,
// or the print-options dialog of the port when empty. Only when the output was produced is
// `Beleg_gedruckt` stamped with now, and for a PDF `PDF_Erstellt` as well. A partner with
// `SecurePDF` gets a PDF protected by his `PDFPasswort`, unless `protection` is given, which
// replaces it. A silent PDF goes into the type's `PDFPath`, else the temporary folder. `steps`, when
// given, confirm the output, add variables for the layout and complete the written files before
// the stamp (see DocumentPrintSteps). Any failure is reported and stamps nothing.
DocumentPrintOutcome printDocument(Session& session, PrintPort& port, int64_t belegId,
                                   std::optional<PrintChoice> output = std::nullopt,
                                   std::optional<PdfProtection> protection = std::nullopt,
                                   DocumentPrintSteps* steps = nullptr);

// The title of a document's print: the type's title and the number ("Rechnung 2026-0001").
std::string documentPrintTitle(std::string_view belegtitel, std::string_view belegnummer);

}  // namespace orvosal

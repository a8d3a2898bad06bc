#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "accounting/einvoice/invoice_checks.h"
#include "accounting/einvoice/invoice_model.h"
#include "core/session.h"

namespace orvosal {

// What writing an electronic invoice gave: the items that kept it from being written (empty on
// success). Nothing is written when an item is missing.
struct EInvoiceResult {
  bool written = false;
  std::vector<std::string> problems;
};

// Builds the model of the document, checks it for the format and writes the XML file.
EInvoiceResult writeEInvoice(Session& session, int64_t belegId, EInvoiceFormat format,
                             const std::filesystem::path& file);

// The XML of the document in that format, or the problems; used by writeEInvoice and the printing.
EInvoiceResult renderEInvoice(Session& session, int64_t belegId, EInvoiceFormat format, std::string& xml);

// The XML of a model already checked with missingInvoiceItems.
std::string einvoiceXml(const InvoiceModel& model, EInvoiceFormat format);

}  // namespace orvosal

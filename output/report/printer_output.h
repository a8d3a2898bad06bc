#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/report/report_document.h"

class QPrinter;

namespace orvosal {

// Sets the printer up for the report: its page size, the whole page as the painting area, the
// document name shown in the printer queue.
void preparePrinter(QPrinter& printer, const ReportDocument& report, std::string_view documentName);

// Paints every page onto the printer, which the caller has chosen and set up. The German reason
// when the printer does not take the job.
std::optional<std::string> paintOnPrinter(const ReportDocument& report, QPrinter& printer);

// Prints on the printer of that name (empty: the system's default printer) in `copies` copies. The
// German reason when no printer is set up, the named one does not exist or it refuses the job.
std::optional<std::string> printOnNamedPrinter(const ReportDocument& report, std::string_view printerName,
                                               int copies, std::string_view documentName);

}  // namespace orvosal

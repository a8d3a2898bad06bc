#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvosal {

// The result codes of the print-options step (`PrintOption`).
inline constexpr int kPrintCancelled = -1000;
inline constexpr int kPrintToPrinter = 256;
inline constexpr int kPrintPreview = 512;
inline constexpr int kPrintToFile = 1024;
inline constexpr int kPrintExport = 2048;

// The message of any failure while printing.
inline constexpr std::string_view kPrintFailedMessage = "Fehler!\nDruckvorgang abgebrochen";

}  // namespace orvosal

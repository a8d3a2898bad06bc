#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "output/qr/cls_qr_code.h"

namespace orvosal {

class Session;
class SettingsFiles;

// The choices of the QR code dialog, kept in the settings section "QRCodeSettings": "cmbError"
// holds the level's index (L, M, Q, H), "cmbScale" and "cmbQuietZone" numbers, "cmbVersion"
// "(auto)" or 1 to 40, "cmbEncoding" "Numeric", "AlphaNumeric" or "Binary", "txtLogo" the path of
// the logo image ("" for none), "chkMarkers" "1" when the patterns are drawn in the marker colour.
struct QrCodeSettings {
  qr::ErrorLevel level = qr::ErrorLevel::L;
  int scale = 1;
  int quietZone = 4;
  int version = 0;
  qr::EncodingMode mode = qr::EncodingMode::Byte;
  std::string logo{};
  bool showMarkers = false;
};

inline constexpr std::string_view kQrSettingsSection = "QRCodeSettings";

QrCodeSettings readQrCodeSettings(const SettingsFiles& settings);
void writeQrCodeSettings(SettingsFiles& settings, const QrCodeSettings& choice);

// The text of a version choice: "(auto)" for 0, else the number.
std::string qrVersionText(int version);

// Encodes the text and writes the file in the format of its extension (".bmp", ".eps", ".svg",
// ".html", ".wmf"; any other gets a bitmap). Answers "" on success, else the message; nothing is
// written on failure.
std::string writeQrCodeFile(clsQRCode& code, std::string_view text, const std::filesystem::path& file,
                            int scale, const DateTime& created);
// As writeQrCodeFile, with the format given by an extension (".svg", ...) instead of the file's.
std::string writeQrCodeFileAs(clsQRCode& code, std::string_view text, const std::filesystem::path& file,
                              std::string_view extension, int scale, const DateTime& created);

// Encodes with the saved settings and writes the file; a failure is shown through the session's
// Ui and answers false. The saved logo is drawn (a logo that cannot be read is reported and left
// out); the markers are not, as they serve checking by eye in the dialog only.
bool OutPut_QRCode(Session& session, std::string_view text, const std::filesystem::path& file);
// Writes the symbol into a new temporary bitmap file and answers its path ("" on failure).
std::string Generate_QRCode(Session& session, std::string_view text);

}  // namespace orvosal

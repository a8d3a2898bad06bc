#include "output/qr/qr_output.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <fstream>

#include "core/clock.h"
#include "core/session.h"
#include "core/settings.h"
#include "core/text.h"

namespace orvosal {

namespace {

constexpr std::array<std::string_view, 3> kModeNames = {"Numeric", "AlphaNumeric", "Binary"};

int numberOr(std::string_view text, int fallback, int lowest, int highest) {
  if (!isNumeric(text)) return fallback;
  const int value = std::atoi(std::string(trim(text)).c_str());
  return value < lowest || value > highest ? fallback : value;
}

std::string lowerExtension(const std::filesystem::path& file) {
  return toLowerGerman(file.extension().string());
}

}  // namespace

std::string qrVersionText(int version) { return version == 0 ? "(auto)" : std::to_string(version); }

QrCodeSettings readQrCodeSettings(const SettingsFiles& settings) {
  QrCodeSettings choice;
  choice.level = static_cast<qr::ErrorLevel>(
      numberOr(settings.ReadSetting(kQrSettingsSection, "cmbError", "0"), 0, 0, 3));
  choice.scale = numberOr(settings.ReadSetting(kQrSettingsSection, "cmbScale", "1"), 1, 1, 100);
  choice.quietZone = numberOr(settings.ReadSetting(kQrSettingsSection, "cmbQuietZone", "4"), 4, 0, 100);
  choice.version =
      numberOr(settings.ReadSetting(kQrSettingsSection, "cmbVersion", "(auto)"), 0, 1, qr::kMaxVersion);
  const std::string mode = settings.ReadSetting(kQrSettingsSection, "cmbEncoding", "Binary");
  for (size_t i = 0; i < kModeNames.size(); ++i)
    if (mode == kModeNames[i]) choice.mode = static_cast<qr::EncodingMode>(i);
  choice.logo = settings.ReadSetting(kQrSettingsSection, "txtLogo", "");
  choice.showMarkers = settings.ReadSetting(kQrSettingsSection, "chkMarkers", "0") == "1";
  return choice;
}

void writeQrCodeSettings(SettingsFiles& settings, const QrCodeSettings& choice) {
  settings.WriteSetting(kQrSettingsSection, "cmbError", std::to_string(static_cast<int>(choice.level)));
  settings.WriteSetting(kQrSettingsSection, "cmbScale", std::to_string(choice.scale));
  settings.WriteSetting(kQrSettingsSection, "cmbQuietZone", std::to_string(choice.quietZone));
  settings.WriteSetting(kQrSettingsSection, "cmbVersion", qrVersionText(choice.version));
  settings.WriteSetting(kQrSettingsSection, "cmbEncoding", kModeNames[static_cast<size_t>(choice.mode)]);
  settings.WriteSetting(kQrSettingsSection, "txtLogo", choice.logo);
  settings.WriteSetting(kQrSettingsSection, "chkMarkers", choice.showMarkers ? "1" : "0");
}

std::string writeQrCodeFile(clsQRCode& code, std::string_view text, const std::filesystem::path& file,
                            int scale, const DateTime& created) {
  return writeQrCodeFileAs(code, text, file, lowerExtension(file), scale, created);
}

std::string writeQrCodeFileAs(clsQRCode& code, std::string_view text, const std::filesystem::path& file,
                              std::string_view extension, int scale, const DateTime& created) {
  if (std::string message = code.Encode(text); !message.empty()) return message;
  if (scale < 1) return std::string(qr::kMessageProcessing);
  const std::string content = extension == ".eps"    ? code.GetEPS(scale, created)
                              : extension == ".svg"  ? code.GetSVG(scale)
                              : extension == ".html" ? code.GetHTML(scale)
                              : extension == ".wmf"  ? code.GetWMF(scale)
                                                     : code.GetBMP(scale);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << content;
  out.close();
  if (!out) return "Die Datei " + file.string() + " konnte nicht geschrieben werden.";
  return {};
}

bool OutPut_QRCode(Session& session, std::string_view text, const std::filesystem::path& file) {
  const QrCodeSettings choice = readQrCodeSettings(session.settings());
  clsQRCode code;
  code.ErrorLevel = choice.level;
  code.QuietZone = choice.quietZone;
  code.Version = choice.version;
  code.EncodingMode = choice.mode;
  if (const std::string refused = code.AddLogo(choice.logo); !refused.empty())
    session.ui().message(refused, "QR-Code", MessageKind::Warning);
  const std::string message = writeQrCodeFile(code, text, file, choice.scale, session.clock().now());
  if (message.empty()) return true;
  session.ui().message(message, "QR-Code", MessageKind::Warning);
  return false;
}

std::string Generate_QRCode(Session& session, std::string_view text) {
  std::string name = (std::filesystem::temp_directory_path() / "orvosal_qr_XXXXXX.bmp").string();
  const int handle = ::mkstemps(name.data(), 4);
  if (handle < 0) return {};
  ::close(handle);
  if (OutPut_QRCode(session, text, name)) return name;
  std::filesystem::remove(name);
  return {};
}

}  // namespace orvosal

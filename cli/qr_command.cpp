#include "cli/qr_command.h"

#include <array>
#include <cstdlib>
#include <ostream>

#include "core/clock.h"
#include "core/session.h"
#include "core/text.h"
#include "output/qr/qr_output.h"

namespace orvosal {

namespace {

constexpr std::array<std::string_view, 5> kFormats = {"svg", "eps", "html", "bmp", "wmf"};
constexpr std::string_view kLevels = "LMQH";
constexpr std::array<std::string_view, 3> kEncodings = {"numeric", "alphanumeric", "byte"};

// The value of a numeric option, or fallback when it is not given; -1 when it is out of range.
int numberOption(const ParsedArguments& arguments, std::string_view option, int fallback, int lowest,
                 int highest) {
  if (!arguments.has(option)) return fallback;
  const std::string text = arguments.value(option);
  if (!isNumeric(text) || text.find_first_not_of("0123456789") != std::string::npos) return -1;
  const int value = std::atoi(text.c_str());
  return value < lowest || value > highest ? -1 : value;
}

template <size_t N>
int indexOf(const std::array<std::string_view, N>& names, std::string_view name) {
  for (size_t i = 0; i < N; ++i)
    if (names[i] == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

std::string checkQrArguments(const ParsedArguments& arguments) {
  if (indexOf(kFormats, arguments.value("--format")) < 0)
    return "Unbekanntes Format \"" + arguments.value("--format") + "\" (svg, eps, html, bmp oder wmf)";
  if (arguments.value("--out").empty()) return "Die Ausgabedatei (--out) fehlt";
  if (arguments.has("--level") && (arguments.value("--level").size() != 1 ||
                                   kLevels.find(arguments.value("--level")) == std::string_view::npos))
    return "Unbekannte Fehlerkorrektur \"" + arguments.value("--level") + "\" (L, M, Q oder H)";
  if (arguments.has("--encoding") && indexOf(kEncodings, arguments.value("--encoding")) < 0)
    return "Unbekannte Kodierung \"" + arguments.value("--encoding") + "\" (numeric, alphanumeric oder byte)";
  if (numberOption(arguments, "--version", 0, 1, qr::kMaxVersion) < 0)
    return "Die Version muss 1 bis 40 sein";
  if (numberOption(arguments, "--scale", 1, 1, 100) < 0) return "Die Skalierung muss 1 bis 100 sein";
  if (numberOption(arguments, "--quiet-zone", 4, 0, 100) < 0) return "Der Rand muss 0 bis 100 Module sein";
  return {};
}

int runQr(CommandContext& context) {
  const ParsedArguments& arguments = context.arguments;
  clsQRCode code;
  code.ApplyTilde = arguments.has("--tilde");
  if (arguments.has("--level"))
    code.ErrorLevel = static_cast<qr::ErrorLevel>(kLevels.find(arguments.value("--level")));
  if (arguments.has("--encoding"))
    code.EncodingMode = static_cast<qr::EncodingMode>(indexOf(kEncodings, arguments.value("--encoding")));
  code.Version = numberOption(arguments, "--version", 0, 1, qr::kMaxVersion);
  code.QuietZone = numberOption(arguments, "--quiet-zone", 4, 0, 100);
  const int scale = numberOption(arguments, "--scale", 1, 1, 100);

  // The format decides the file's content, whatever its name ends with.
  std::filesystem::path file = arguments.value("--out");
  const std::filesystem::path formatName = "x." + arguments.value("--format");
  const std::string message =
      writeQrCodeFileAs(code, arguments.positional.front(), file, formatName.extension().string(), scale,
                        context.session.clock().now());
  if (!message.empty()) {
    context.err << message << "\n";
    return kExitFailure;
  }
  context.out << file.string() << "\n";
  return kExitSuccess;
}

}  // namespace orvosal

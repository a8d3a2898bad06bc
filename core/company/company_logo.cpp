#include "core/company/company_logo.h"

#include <array>
#include <fstream>
#include <string_view>

namespace orvosal {
namespace {

constexpr std::string_view kLogoStem = "Firmenlogo";

struct ImageSignature {
  std::string_view bytes;
  const char* type;
};

const std::array<ImageSignature, 5> kSignatures = {{
    {std::string_view("\x89PNG\r\n\x1a\n", 8), "png"},
    {std::string_view("\xff\xd8\xff", 3), "jpg"},
    {"GIF87a", "gif"},
    {"GIF89a", "gif"},
    {"BM", "bmp"},
}};

}  // namespace

std::optional<std::string> LogoImageType(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::string head(8, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(in.gcount()));
  for (const ImageSignature& signature : kSignatures) {
    if (head.starts_with(signature.bytes)) return signature.type;
  }
  return std::nullopt;
}

std::string LogoFileRefusal(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    return "Die Datei '" + file.string() + "' ist nicht vorhanden oder nicht lesbar.";
  }
  if (!LogoImageType(file)) {
    return "Die Datei '" + file.string() + "' ist kein Bild im Format PNG, JPEG, GIF oder BMP.";
  }
  return "";
}

std::string LogoFileName(const std::filesystem::path& file) {
  return std::string(kLogoStem) + "." + LogoImageType(file).value_or("");
}

std::string InstallLogo(const std::filesystem::path& programFolder, const std::filesystem::path& image) {
  const std::string name = LogoFileName(image);
  const std::filesystem::path target = programFolder / name;
  std::error_code error;
  if (!std::filesystem::equivalent(image, target, error)) {
    // Written beside the target first, so that a failed copy leaves the older logo in place.
    const std::filesystem::path partial = programFolder / (name + ".neu");
    std::filesystem::copy_file(image, partial, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::rename(partial, target);
  }
  for (const ImageSignature& signature : kSignatures) {
    const std::filesystem::path older = programFolder / (std::string(kLogoStem) + "." + signature.type);
    if (older != target) std::filesystem::remove(older, error);
  }
  return name;
}

}  // namespace orvosal

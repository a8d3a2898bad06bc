#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvosal {

// The company logo: an image file that the documents print, kept in the program folder as
// "Firmenlogo" with the extension of its image type. A newer logo replaces the older one.

// The image type of a file by its first bytes ("png", "jpg", "gif" or "bmp"); empty when the file
// cannot be read or is no image of these types.
std::optional<std::string> LogoImageType(const std::filesystem::path& file);

// The German message why a file cannot be the logo, empty when it can.
std::string LogoFileRefusal(const std::filesystem::path& file);

// The name the logo gets in the program folder, e.g. "Firmenlogo.png"; the file must be an image.
std::string LogoFileName(const std::filesystem::path& file);

// Copies the image into the program folder under its logo name and removes an older logo of
// another image type; answers the logo's file name. Throws std::filesystem::filesystem_error when
// the copy fails.
std::string InstallLogo(const std::filesystem::path& programFolder, const std::filesystem::path& image);

}  // namespace orvosal

#pragma once

#include <string>
#include <string_view>

namespace orvosal {

// The remembered password of the sign-in window is kept in the settings file out of plain sight:
// every byte is mixed with a running key and the byte before it and written as two hex digits
// ("0".."9", "A".."F"). This hides the text from a casual look, it is no encryption.
std::string ScramblePassword(std::string_view password);

// Undoes ScramblePassword; a text that is no scrambled password (odd length, other letters)
// gives an empty password.
std::string UnscramblePassword(std::string_view scrambled);

}  // namespace orvosal

#pragma once

#include <string>
#include <string_view>

namespace orvosal {

// Conversions between UTF-8 and the single-byte code pages of older data files: Windows-1252
// (Windows programs), CP850 (DOS, Western Europe) and CP437 (DOS, US).
//
// Never throws for bad input: each character that has no place in the target code page becomes
// one '?' (for example "€" in CP850), each byte of invalid UTF-8 becomes one '?', and the five
// bytes undefined in Windows-1252 (0x81, 0x8D, 0x8F, 0x90, 0x9D) become '?' in UTF-8.
std::string utf8ToWindows1252(std::string_view utf8);
std::string windows1252ToUtf8(std::string_view text);
std::string utf8ToCp850(std::string_view utf8);
std::string cp850ToUtf8(std::string_view text);
std::string utf8ToCp437(std::string_view utf8);
std::string cp437ToUtf8(std::string_view text);

// Length of the valid UTF-8 sequence that starts `text` (not empty), or 0 when it is invalid.
size_t utf8SequenceLength(std::string_view text);

// True for valid UTF-8, which includes pure ASCII and the empty text: no stray continuation
// bytes, no truncated, overlong or surrogate sequences, nothing above U+10FFFF. A single-byte
// code page text with umlauts practically never passes.
bool looksLikeUtf8(std::string_view text);

}  // namespace orvosal

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvosal {

// Quoted-printable as vCard 2.1 uses it: printable ASCII stays as it is, '=' and every other byte
// (line breaks, control characters, the bytes of UTF-8 umlauts) become "=XX" with upper-case hex
// digits. Physical lines stay within 76 characters by soft line breaks ("=" CR LF);
// `firstLineUsed` is the length of the property text in front of the value on the first line. A
// blank or tab at the start or end of a physical line is encoded, so that neither unfolding nor
// trimming of line ends can change the value.
std::string encodeQuotedPrintable(std::string_view bytes, size_t firstLineUsed);

// Decodes a value whose soft line breaks have been joined already. Nothing for a '=' that is not
// followed by two hex digits.
std::optional<std::string> decodeQuotedPrintable(std::string_view encoded);

}  // namespace orvosal

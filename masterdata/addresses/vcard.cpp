#include "masterdata/addresses/vcard.h"

#include <algorithm>
#include <string>

#include "core/text.h"
#include "masterdata/addresses/quoted_printable.h"

namespace orvosal {
namespace {

constexpr const char* kLineEnd = "\r\n";

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool hasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// One property line. `quotedPrintable` properties carry the encoding in `property` already; any
// other value that holds a line break is encoded as well, since a raw break would end the line.
std::string propertyLine(std::string property, std::string_view value, bool quotedPrintable) {
  const bool encode = quotedPrintable || hasControlCharacter(value);
  if (encode && !quotedPrintable) property += ";ENCODING=QUOTED-PRINTABLE";
  if (!isAscii(value)) property += ";CHARSET=UTF-8";
  property += ':';
  const std::string written = encode ? encodeQuotedPrintable(value, property.size()) : std::string(value);
  return property + written + kLineEnd;
}

// A text value or a part of a structured one (name, address) with its separators escaped.
std::string escapedText(std::string_view part) {
  std::string escaped;
  for (const char c : part) {
    if (c == '\\' || c == ';' || c == ',') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

// Post office box and extended address stay empty, then street, locality, region (empty), postal
// code and country (empty).
std::string addressValue(const Address& address) {
  return ";;" + escapedText(address.straße) + ";" + escapedText(address.ort) + ";;" +
         escapedText(address.plz) + ";";
}

bool refusedInFileNames(char c) {
  return static_cast<unsigned char>(c) < 0x20 ||
         std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

}  // namespace

std::string VCardText(const Address& address) {
  std::string card = std::string("BEGIN:VCARD") + kLineEnd + "VERSION:2.1" + kLineEnd;
  card += propertyLine("N", escapedText(address.name) + ";" + escapedText(address.vorname), false);
  card += propertyLine("NOTE;ENCODING=QUOTED-PRINTABLE", escapedText(address.bemerkung), true);
  card += propertyLine("TEL;WORK;VOICE", escapedText(address.telefon1), false);
  card += propertyLine("TEL;HOME;VOICE", escapedText(address.telefon2), false);
  card += propertyLine("TEL;CELL;VOICE", escapedText(address.funk), false);
  card += propertyLine("TEL;WORK;FAX", escapedText(address.fax), false);
  card += propertyLine("ADR;WORK;ENCODING=QUOTED-PRINTABLE", addressValue(address), true);
  card += propertyLine("ADR;HOME;ENCODING=QUOTED-PRINTABLE", addressValue(address), true);
  card += propertyLine("EMAIL;PREF;INTERNET", escapedText(address.email), false);
  card += std::string("REV:20030407T144607Z") + kLineEnd;
  card += std::string("End:VCARD") + kLineEnd;
  return card;
}

std::string VCardFileName(const Address& address) {
  std::string base(trim(address.vorname + " " + address.name));
  if (base.empty()) base = "Adresse " + std::to_string(address.id);
  std::replace_if(base.begin(), base.end(), refusedInFileNames, '_');
  return base + ".vcf";
}

}  // namespace orvosal

#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/file_bytes.h"
#include "core/text.h"
#include "masterdata/addresses/quoted_printable.h"
#include "masterdata/addresses/vcard.h"

namespace orvosal {
namespace {

// A malformed card: the message and the line it was found on.
struct CardError {
  int line;
  std::string text;
};

// One property of the card: its name, its parameters (upper-case) and its decoded value.
struct Property {
  std::string name;
  std::vector<std::string> parameters;
  std::string value;
  bool has(std::string_view parameter) const {
    for (const std::string& given : parameters) {
      if (given == parameter) return true;
    }
    return false;
  }
};

std::vector<std::string> physicalLines(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::string> lines = splitString(text, "\n");
  for (std::string& line : lines) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  // The line end of the last line opens no further line.
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// "TYPE=WORK,VOICE" (vCard 3.0) counts as the two parameters WORK and VOICE of vCard 2.1.
std::vector<std::string> parameterList(const std::vector<std::string>& parts) {
  std::vector<std::string> parameters;
  for (size_t i = 1; i < parts.size(); ++i) {
    const std::string parameter = toUpperGerman(trim(parts[i]));
    if (parameter.rfind("TYPE=", 0) == 0) {
      for (const std::string& type : splitString(parameter.substr(5), ",")) parameters.push_back(type);
    } else {
      parameters.push_back(parameter);
    }
  }
  return parameters;
}

std::string charsetOf(const std::vector<std::string>& parameters) {
  for (const std::string& parameter : parameters) {
    if (parameter.rfind("CHARSET=", 0) == 0) return parameter.substr(8);
  }
  return "";
}

// Bytes of the value as text: UTF-8 as it is, anything else (another CHARSET, or bytes that are no
// UTF-8) read as Windows-1252.
std::string asUtf8(const std::string& bytes, const std::string& charset) {
  if ((charset.empty() || charset == "UTF-8") && looksLikeUtf8(bytes)) return bytes;
  return windows1252ToUtf8(bytes);
}

// Splits a structured value at the ';' that are not escaped and removes the escapes.
std::vector<std::string> structuredParts(std::string_view value) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\\' && i + 1 < value.size() &&
        std::string_view("\\;,").find(value[i + 1]) != std::string_view::npos) {
      parts.back() += value[++i];
    } else if (c == ';') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// A single text with its escapes removed; "\n" is a line break in cards after version 2.1.
std::string textValue(std::string_view value, bool escapedLineBreaks) {
  std::string text;
  for (size_t i = 0; i < value.size(); ++i) {
    const char next = i + 1 < value.size() ? value[i + 1] : '\0';
    if (value[i] == '\\' && (next == '\\' || next == ';' || next == ',')) {
      text += value[++i];
    } else if (value[i] == '\\' && escapedLineBreaks && (next == 'n' || next == 'N')) {
      text += "\r\n";
      ++i;
    } else {
      text += value[i];
    }
  }
  return text;
}

std::string partAt(const std::vector<std::string>& parts, size_t index) {
  return index < parts.size() ? std::string(trim(parts[index])) : std::string();
}

class CardReader {
 public:
  CardReader(std::string_view text, const Address& start) : lines_(physicalLines(text)), address_(start) {}

  // The address, or the error that stopped reading.
  std::optional<CardError> read() {
    bool begun = false;
    bool ended = false;
    while (next_ < lines_.size()) {
      const int lineNumber = static_cast<int>(next_) + 1;
      const std::string line = lines_[next_++];
      if (trim(line).empty()) continue;
      if (ended) return CardError{lineNumber, "Nach END:VCARD folgt weiterer Inhalt"};
      if (!begun) {
        if (!equalsNoCase(trim(line), "BEGIN:VCARD")) return CardError{lineNumber, "BEGIN:VCARD erwartet"};
        begun = true;
        continue;
      }
      const size_t colon = line.find(':');
      if (colon == std::string::npos) return CardError{lineNumber, "Zeile ohne ':'"};
      if (trim(line.substr(0, colon)).empty()) return CardError{lineNumber, "Zeile ohne Eigenschaft vor ':'"};
      std::optional<Property> property = readProperty(line, colon);
      if (!property) return CardError{lineNumber, "Ungültige Quoted-Printable-Kodierung"};
      if (property->name == "BEGIN") return CardError{lineNumber, "BEGIN:VCARD ohne vorheriges END:VCARD"};
      if (property->name == "END") {
        ended = true;
        continue;
      }
      take(*property);
    }
    const int lastLine = static_cast<int>(lines_.size());
    if (!begun) return CardError{1, "Die Datei enthält keine VCard"};
    if (!ended) return CardError{lastLine, "END:VCARD fehlt"};
    fillName();
    if (trim(address_.name).empty()) return CardError{lastLine, "Die VCard enthält keinen Namen"};
    return std::nullopt;
  }

  const Address& address() const { return address_; }

 private:
  // The logical line that starts with `line`: quoted-printable values continue after a soft line
  // break, others on lines that begin with a blank. Nothing when the encoding is broken.
  std::optional<Property> readProperty(const std::string& line, size_t colon) {
    const std::vector<std::string> head = splitString(line.substr(0, colon), ";");
    // A group prefix ("item1.TEL") does not change what the property means.
    std::string name = toUpperGerman(trim(head.front()));
    name.erase(0, name.rfind('.') + 1);
    Property property{name, parameterList(head), ""};
    std::string value = line.substr(colon + 1);
    const bool quotedPrintable =
        property.has("ENCODING=QUOTED-PRINTABLE") || property.has("QUOTED-PRINTABLE");
    if (quotedPrintable) {
      while (!value.empty() && value.back() == '=' && next_ < lines_.size()) {
        value.pop_back();
        value += lines_[next_++];
      }
    } else {
      while (next_ < lines_.size() && !lines_[next_].empty() &&
             (lines_[next_].front() == ' ' || lines_[next_].front() == '\t')) {
        value += version_ == "2.1" ? lines_[next_] : lines_[next_].substr(1);
        ++next_;
      }
    }
    if (quotedPrintable) {
      std::optional<std::string> decoded = decodeQuotedPrintable(value);
      if (!decoded) return std::nullopt;
      value = std::move(*decoded);
    }
    property.value = asUtf8(value, charsetOf(property.parameters));
    return property;
  }

  void take(const Property& property) {
    if (property.name == "VERSION") {
      version_ = std::string(trim(property.value));
    } else if (property.name == "N") {
      const std::vector<std::string> parts = structuredParts(property.value);
      address_.name = partAt(parts, 0);
      address_.vorname = partAt(parts, 1);
    } else if (property.name == "F") {
      formattedName_ = trim(text(property));
    } else if (property.name == "ORG") {
      organisation_ = trim(joinStrings(structuredParts(property.value), " "));
    } else if (property.name == "TEL") {
      telephone(property);
    } else if (property.name == "ADR") {
      postalAddress(property);
    } else if (property.name == "EMAIL") {
      if (address_.email.empty() || property.has("PREF")) address_.email = trim(text(property));
    } else if (property.name == "NOTE") {
      address_.bemerkung = text(property);
    }
  }

  std::string text(const Property& property) const { return textValue(property.value, version_ != "2.1"); }

  void telephone(const Property& property) {
    const std::string number(trim(text(property)));
    if (property.has("FAX")) {
      address_.fax = number;
    } else if (property.has("CELL")) {
      address_.funk = number;
    } else if (property.has("HOME")) {
      address_.telefon2 = number;
    } else if (property.has("WORK") || address_.telefon1.empty()) {
      address_.telefon1 = number;
    }
  }

  // The work address wins; another one fills only what is still empty.
  void postalAddress(const Property& property) {
    const std::vector<std::string> parts = structuredParts(property.value);
    const bool work = property.has("WORK");
    auto put = [&](std::string& field, size_t index) {
      const std::string part = partAt(parts, index);
      if (!part.empty() && (work || field.empty())) field = part;
    };
    put(address_.straße, 2);
    put(address_.ort, 3);
    put(address_.plz, 5);
  }

  // A card without a structured name is named by its formatted name, else by its organisation.
  void fillName() {
    if (trim(address_.name).empty()) {
      address_.name = !formattedName_.empty() ? formattedName_ : organisation_;
    }
    if (!organisation_.empty() && address_.name != organisation_) address_.zusatz = organisation_;
  }

  std::vector<std::string> lines_;
  size_t next_ = 0;
  Address address_;
  std::string version_ = "2.1";
  std::string formattedName_;
  std::string organisation_;
};

}  // namespace

VCardReading ParseVCard(std::string_view text, const std::string& fileName, const Address& start) {
  CardReader reader(text, start);
  if (const std::optional<CardError> error = reader.read()) {
    return {std::nullopt,
            "Fehler in " + fileName + ", Zeile " + std::to_string(error->line) + ": " + error->text};
  }
  return {reader.address(), ""};
}

VCardReading ReadVCardFile(const std::filesystem::path& path, const Address& start) {
  const std::optional<std::string> content = readFileBytes(path);
  if (!content) return {std::nullopt, "Die Datei " + path.string() + " kann nicht gelesen werden"};
  return ParseVCard(*content, path.string(), start);
}

}  // namespace orvosal

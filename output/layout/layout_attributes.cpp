#include "output/layout/layout_attributes.h"

#include <cctype>
#include <charconv>

#include "output/layout/layout_text.h"

namespace orvosal {

LayoutAttributeReader::LayoutAttributeReader(const LayoutStatement& statement) : statement_(statement) {}

const std::string* LayoutAttributeReader::find(std::string_view name, bool required) {
  known_.emplace(name);
  for (const LayoutAttribute& attribute : statement_.attributes) {
    if (attribute.name == name) return &attribute.value;
  }
  if (required) noteFault("Fehlendes Attribut " + germanQuoted(name));
  return nullptr;
}

void LayoutAttributeReader::noteFault(std::string text) {
  if (!valueFault_) valueFault_ = std::move(text);
}

void LayoutAttributeReader::text(std::string_view name, std::string& value, bool required) {
  if (const std::string* found = find(name, required)) value = *found;
}

void LayoutAttributeReader::layoutText(std::string_view name, std::string& value, bool required) {
  const std::string* found = find(name, required);
  if (found == nullptr) return;
  auto parts = parseLayoutText(*found);
  if (parts.index() == 1) noteFault(std::get<1>(parts));
  value = *found;
}

void LayoutAttributeReader::condition(std::string_view name, std::string& value, bool required) {
  const std::string* found = find(name, required);
  if (found == nullptr) return;
  auto parsed = parseLayoutCondition(*found);
  if (parsed.index() == 1) noteFault(std::get<1>(parsed));
  value = *found;
}

void LayoutAttributeReader::length(std::string_view name, double& value, bool required, bool mayBeNegative) {
  const std::string* found = find(name, required);
  if (found == nullptr) return;
  double number = 0;
  const char* end = found->data() + found->size();
  auto [stop, error] = std::from_chars(found->data(), end, number, std::chars_format::fixed);
  if (found->empty() || error != std::errc() || stop != end) {
    noteFault("Ungültige Zahl " + germanQuoted(*found) + " für " + germanQuoted(name));
  } else if (number < 0 && !mayBeNegative) {
    noteFault(germanQuoted(name) + " darf nicht negativ sein");
  } else {
    value = number;
  }
}

void LayoutAttributeReader::integer(std::string_view name, int& value, bool required, int minimum) {
  const std::string* found = find(name, required);
  if (found == nullptr) return;
  int number = 0;
  const char* end = found->data() + found->size();
  auto [stop, error] = std::from_chars(found->data(), end, number);
  if (found->empty() || error != std::errc() || stop != end) {
    noteFault("Ungültige Zahl " + germanQuoted(*found) + " für " + germanQuoted(name));
  } else if (number < minimum) {
    noteFault(germanQuoted(name) + " muss mindestens " + std::to_string(minimum) + " sein");
  } else {
    value = number;
  }
}

void LayoutAttributeReader::boolean(std::string_view name, bool& value) {
  const std::string* found = find(name, false);
  if (found == nullptr) return;
  if (*found == "ja" || *found == "nein") {
    value = *found == "ja";
  } else {
    noteFault("Ungültiger Wahrheitswert " + germanQuoted(*found) + " für " + germanQuoted(name) +
              " (ja oder nein)");
  }
}

void LayoutAttributeReader::color(std::string_view name, std::string& value) {
  const std::string* found = find(name, false);
  if (found == nullptr) return;
  bool valid = found->size() == 7 && found->front() == '#';
  for (std::size_t i = 1; valid && i < found->size(); ++i)
    valid = std::isxdigit(static_cast<unsigned char>((*found)[i]));
  if (valid) {
    value = *found;
  } else {
    noteFault("Ungültige Farbe " + germanQuoted(*found) + " für " + germanQuoted(name) + " (#rrggbb)");
  }
}

void LayoutAttributeReader::align(std::string_view name, std::optional<LayoutAlign>& value) {
  const std::string* found = find(name, false);
  if (found == nullptr) return;
  if (*found == "left") {
    value = LayoutAlign::Left;
  } else if (*found == "center") {
    value = LayoutAlign::Center;
  } else if (*found == "right") {
    value = LayoutAlign::Right;
  } else {
    noteFault("Ungültige Ausrichtung " + germanQuoted(*found) + " (left, center oder right)");
  }
}

void LayoutAttributeReader::align(std::string_view name, LayoutAlign& value) {
  std::optional<LayoutAlign> read;
  align(name, read);
  if (read) value = *read;
}

void LayoutAttributeReader::font(LayoutFont& value, std::string_view familyName) {
  text(familyName, value.family);
  length("size", value.size);
  boolean("bold", value.bold);
  boolean("italic", value.italic);
  boolean("underline", value.underline);
}

std::optional<std::string> LayoutAttributeReader::fault() const {
  std::set<std::string_view> seen;
  for (const LayoutAttribute& attribute : statement_.attributes) {
    if (!known_.contains(attribute.name)) return "Unbekanntes Attribut " + germanQuoted(attribute.name);
    if (!seen.insert(attribute.name).second) return "Attribut " + germanQuoted(attribute.name) + " doppelt";
  }
  return valueFault_;
}

}  // namespace orvosal

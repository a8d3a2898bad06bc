#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/records/field_table.h"
#include "core/session.h"

namespace orvosal {

// One `SerienNummern` row: a serial number of one unit of the article, with the document that sold
// or received the unit (`belegId`, 0 while the unit is in stock).
struct SerialNumber {
  int64_t id = 0;
  int64_t artikelId = 0;
  std::string serienNummer;
  int64_t belegId = 0;
  bool operator==(const SerialNumber&) const = default;
};

// Every column of `SerienNummern` and where SerialNumber keeps it; the key first.
FieldTable<SerialNumber> SerialNumberFields();

// A serial number with the number of its document ("k. Nummer" when it has none) for the list.
struct ListedSerialNumber {
  SerialNumber serial;
  std::string belegnummer;
};

// The serial numbers of the article by document, number and entry.
std::vector<ListedSerialNumber> ListSerialNumbers(Session& session, int64_t articleId);

// The serial-number window's caption: "Seriennummern für " with the article's number and first
// description.
std::string SerialNumbersCaption(Session& session, int64_t articleId);

// Adds the serial number (trimmed; the new key is written back). Refused when empty, for an
// article that is not stored, and without the right to save articles. True when added.
bool AddSerialNumber(Session& session, SerialNumber& serial);

// Deletes the marked serial numbers after asking, with the right to save articles. True when
// deleted.
bool DeleteSerialNumbers(Session& session, const std::vector<int64_t>& ids);

}  // namespace orvosal

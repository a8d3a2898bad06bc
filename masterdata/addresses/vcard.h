#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/session.h"
#include "masterdata/addresses/address.h"

namespace orvosal {

// Addresses as vCard 2.1 files, the exchange format of address books and phones.
//
// Written: the fixed lines of the address windows' export, CR LF line ends. Texts are UTF-8: a
// property whose value is not pure ASCII gets the parameter ";CHARSET=UTF-8" after its other
// parameters ("N;CHARSET=UTF-8:Müller;Jürgen"), so that address books show the umlauts; the note
// and both addresses are quoted-printable with soft line breaks, and so is any other value that
// holds a line break. In every value "\\", ";" and "," are escaped with a backslash (as vCard 2.1
// asks for ";" in names and addresses and as current readers expect everywhere), so that a reader
// neither splits a value where the address has no separator nor cuts a note at its first comma.
//
// Read: one card per file, UTF-8 or (as CHARSET says, or when the bytes are no UTF-8)
// Windows-1252; folded and quoted-printable lines; BEGIN, VERSION, REV and END are checked or
// skipped, unknown properties ignored.

// The card of the address.
std::string VCardText(const Address& address);

// The file name of the address's card: "Vorname Name.vcf", characters that file systems refuse
// replaced by "_"; "Adresse <ID>.vcf" when both names are empty.
std::string VCardFileName(const Address& address);

// Writes one card per address into `folder`: the addresses `ids` of the kind, or every address of
// the kind in ID order when `ids` is empty. An existing file is never overwritten: the name gets
// " (2)", " (3)", ... Refused with a message, writing nothing, when the folder does not exist or
// an ID is no address of the kind (answers nothing then). Ends with "Dateien exportiert"; answers
// the files written.
std::optional<std::vector<std::filesystem::path>> ExportVCards(Session& session, bool isCustomer,
                                                               const std::filesystem::path& folder,
                                                               const std::vector<int64_t>& ids);

// A card read from a file: the address, or the German message "Fehler in <file>, Zeile <n>: ...".
struct VCardReading {
  std::optional<Address> address;
  std::string error;
};

// Reads the card's fields into a copy of `start` (the new address the caller began, with its
// kind): N gives `Name` and `Vorname`, F the name when N has none, ORG `Zusatz` (or the name when
// the card has no other), TEL work/home/cell/fax `Telefon1`/`Telefon2`/`Funk`/`Fax`, ADR street,
// town and postcode `Straße`/`Ort`/`PLZ` (the work address first), EMAIL `Email`, NOTE `Bemerkung`.
// A malformed card, or one without any name, gives the error and no address.
VCardReading ParseVCard(std::string_view text, const std::string& fileName, const Address& start);
VCardReading ReadVCardFile(const std::filesystem::path& path, const Address& start = {});

}  // namespace orvosal

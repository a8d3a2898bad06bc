#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "core/session.h"
#include "masterdata/addresses/address.h"

namespace orvosal {

// The rules of the customer and supplier windows (one set of rules, two kinds). Every operation
// asks and reports through the session's Ui in the words of its kind ("Kunde"/"Lieferant") and
// writes nothing when it refuses or the user declines.

// The window's name of the kind: "frmKunden" or "frmLieferant" (history entries, last opened).
std::string addressWindowName(bool isCustomer);

// A new, unsaved address of the kind as the window starts it: no ID, traffic light green,
// `JGPruefung` today.
Address NewAddress(Session& session, bool isCustomer);

// The stored address, or nothing when no address has that ID.
std::optional<Address> ReadAddress(Session& session, int64_t id);

// The letter salutation of `Geschlecht` 0 (male), 1 (female) or 2 (neither, a company).
std::string AnredeText(int geschlecht, std::string_view titel, std::string_view name);

// What a save did. `LoadOther`: the user took an existing address in the duplicate dialog; the
// window shows `otherId` in place of the new one.
enum class AddressSaveOutcome { Saved, Unchanged, Refused, LoadOther };

struct AddressSaveResult {
  AddressSaveOutcome outcome = AddressSaveOutcome::Refused;
  int64_t otherId = 0;
};

// Saves a new address (`id` 0; ID, number, phonetic keys and salutation are written back) or the
// changes of a stored one. Refused without the right Save_Kunde/Save_Lieferant, with an empty
// `Name`, or when the number is taken and the user does not confirm; an unchanged stored address
// is not written. A new address passes the duplicate check first. Writes the history entry and
// records the address as the user's last opened one.
AddressSaveResult SaveAddress(Session& session, Address& address);

// Deletes the address after asking, with the right Delete_Kunde/Delete_Lieferant; refused while
// documents exist for it. Deletes its delivery addresses, contact persons and activities with it.
// True when deleted.
bool DeleteAddress(Session& session, int64_t id);

// True when documents refer to the address by its ID or, when it has one, by its number.
bool AddressHasDocuments(Session& session, int64_t id, std::string_view number, bool isCustomer);

// Browsing by ID within the kind: the next greater or smaller ID, or nothing at the end.
std::optional<int64_t> NextAddressId(Session& session, int64_t fromId, bool isCustomer);
std::optional<int64_t> PreviousAddressId(Session& session, int64_t fromId, bool isCustomer);

// The traffic light: asks for the new level (0 green, 1 orange, 2 red) and stores it. True when stored.
bool SetWarningLevel(Session& session, int64_t id, int level);

// Asks for a new creation date (proposing `current`) and stores it as `erfasst` and `geändert`.
// The stored date, or nothing when the user cancelled or typed no date.
std::optional<Date> ChangeCreationDate(Session& session, int64_t id, std::optional<Date> current);

// The address as "Name Vorname".
std::string Get_KundenName(Session& session, int64_t id);

// The address block: name, street, postcode and town, telephone and mobile when present, lines
// separated by CR LF.
std::string Get_KundenName_Lang(Session& session, int64_t id);

// `WarningLevel` of the address, 0 when missing.
int Get_Warning_Level(Session& session, int64_t id);

}  // namespace orvosal

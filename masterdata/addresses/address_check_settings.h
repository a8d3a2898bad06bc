#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace orvosal {

// The `SystemSettings` rows of the postal address check: the switch ("1" on), the address of the
// geocoding service (a search interface answering JSON, such as a Nominatim server) and the key
// some services want.
inline constexpr std::string_view kAddressCheckSwitch = "Adressprüfung";
inline constexpr std::string_view kAddressCheckUrl = "Adressprüfung_URL";
inline constexpr std::string_view kAddressCheckKey = "Adressprüfung_Key";

struct AddressCheckSettings {
  bool enabled = false;
  std::string endpoint;
  std::string key;
  bool operator==(const AddressCheckSettings&) const = default;
};

// The settings as the session loaded them; missing rows read as off and empty.
AddressCheckSettings ReadAddressCheckSettings(Session& session);

// True when the check is switched on and has a service address.
bool AddressCheckReady(Session& session);

// Writes the three rows (a missing row is added) and reloads the session's settings. Needs the
// right "System"; an address that is not http:// or https:// is refused with a message. True when
// written.
bool SaveAddressCheckSettings(Session& session, const AddressCheckSettings& settings);

}  // namespace orvosal

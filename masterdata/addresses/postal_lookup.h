#pragma once

#include <string>
#include <string_view>

#include "masterdata/addresses/address_check_settings.h"

namespace orvosal {

// What the geocoding service says about a street, postcode and town: postcode, town and street
// joined by ";" ("10115;Berlin;Invalidenstraße 117"), or "Unbekannt" when it knows no such
// address. On a failure `answer` is empty and `failure` says in German what went wrong.
struct PostalLookup {
  std::string answer;
  std::string failure;
};

inline constexpr std::string_view kUnknownAddress = "Unbekannt";

// The request to the service: {endpoint}/search with the address as street, postalcode and city,
// limited to Germany, and the key as "key" when one is set.
std::string postalLookupUrl(const AddressCheckSettings& settings, std::string_view street,
                            std::string_view postcode, std::string_view town);

// Asks the service (HTTP GET, at most 10 seconds). The answer is a JSON array of places, the
// best first, each with an "address" object holding "postcode", the town as "city", "town",
// "village" or "municipality", "road" and "house_number". A place without a house number keeps
// the one of the entered street.
PostalLookup LookUpPostalAddress(const AddressCheckSettings& settings, std::string_view street,
                                 std::string_view postcode, std::string_view town);

}  // namespace orvosal

#pragma once

#include <optional>
#include <string>

#include "core/session.h"
#include "masterdata/addresses/address.h"
#include "masterdata/addresses/address_search.h"
#include "output/report/report_data.h"

namespace orvosal {

// Every column of the address as "Adressen.<Column>" (see defineRecordFields).
void defineAddressFields(ReportValues& values, const Address& address);

// The address as the address field of a letter or a label shows it, lines separated by "\n":
// salutation, title first name name, addition, street, postcode town, and the country when it is
// not Germany; empty lines are left out.
std::string AddressBlock(const Address& address);

// Which addresses a printed address list (and a label sheet) holds: those the address search
// finds for the text in the field (all when the text is blank), customers, suppliers or both.
struct AddressListFilter {
  std::string search;
  std::optional<bool> isCustomer;
  AddressSearchField field = AddressSearchField::FreeText;
};

// The address list: one record per address with its columns as "Adressen.<Column>" and its kind
// "Adressart" ("Kunde" or "Lieferant") and "Anschrift" (AddressBlock), by name and
// first name (with a search text in the order of the address search), and the list variables
// with the title "Adressliste". A database error gives a list without records.
ReportData AddressListReport(Session& session, const AddressListFilter& filter);

}  // namespace orvosal

#include "masterdata/printing/address_report.h"

#include <initializer_list>
#include <limits>
#include <map>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "masterdata/addresses/address_search.h"
#include "masterdata/printing/list_report.h"
#include "masterdata/printing/record_report_fields.h"

namespace orvosal {
namespace {

std::string idList(const std::vector<AddressSearchRow>& rows) {
  std::string list;
  for (const AddressSearchRow& row : rows) list += (list.empty() ? "" : ", ") + std::to_string(row.id);
  return list;
}

// The addresses the search finds, in its order, with all their columns.
std::vector<Address> searchedAddresses(Session& session, const AddressListFilter& filter) {
  const std::vector<AddressSearchRow> hits =
      searchAddresses(session, {.text = filter.search,
                                .field = filter.field,
                                .isCustomer = filter.isCustomer,
                                .limit = std::numeric_limits<int>::max()});
  if (hits.empty()) return {};
  std::map<int64_t, Address> byId;
  for (Recordset rs(GlobalConnection(session), "SELECT * FROM Adressen WHERE [ID] IN (" + idList(hits) + ")");
       !rs.eof(); rs.moveNext()) {
    Address address = readRecord(rs, AddressFields());
    byId.emplace(address.id, std::move(address));
  }
  std::vector<Address> addresses;
  for (const AddressSearchRow& hit : hits) {
    if (const auto found = byId.find(hit.id); found != byId.end())
      addresses.push_back(std::move(found->second));
  }
  return addresses;
}

std::vector<Address> allAddresses(Session& session, std::optional<bool> isCustomer) {
  const std::string where =
      isCustomer
          ? " WHERE (" + CreateBooleanSelect(session.database().dialect, "Kunde", *isCustomer, false) + ")"
          : "";
  std::vector<Address> addresses;
  for (Recordset rs(GlobalConnection(session),
                    "SELECT * FROM Adressen" + where + " ORDER BY [Name], [Vorname], [ID]");
       !rs.eof(); rs.moveNext()) {
    addresses.push_back(readRecord(rs, AddressFields()));
  }
  return addresses;
}

std::string filterText(const AddressListFilter& filter) {
  std::string text;
  if (filter.isCustomer) text = *filter.isCustomer ? "Kunden" : "Lieferanten";
  const std::string_view search = trim(filter.search);
  if (!search.empty())
    text += (text.empty() ? "" : ", ") + std::string("Suche „") + std::string(search) + "“";
  return text;
}

void appendLine(std::string& block, std::string_view line) {
  const std::string_view trimmed = trim(line);
  if (trimmed.empty()) return;
  if (!block.empty()) block += '\n';
  block += trimmed;
}

// The texts that are not blank, separated by one space.
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string line;
  for (const std::string_view part : parts) {
    const std::string_view trimmed = trim(part);
    if (trimmed.empty()) continue;
    if (!line.empty()) line += ' ';
    line += trimmed;
  }
  return line;
}

bool isGermany(std::string_view country) {
  const std::string_view trimmed = trim(country);
  return trimmed.empty() || equalsNoCase(trimmed, "Deutschland") || equalsNoCase(trimmed, "DE") ||
         equalsNoCase(trimmed, "D");
}

}  // namespace

std::string AddressBlock(const Address& address) {
  std::string block;
  appendLine(block, address.anrede);
  appendLine(block, joined({address.titel, address.vorname, address.name}));
  appendLine(block, address.zusatz);
  appendLine(block, address.straße);
  appendLine(block, joined({address.plz, address.ort}));
  if (!isGermany(address.land)) appendLine(block, address.land);
  return block;
}

void defineAddressFields(ReportValues& values, const Address& address) {
  defineRecordFields(values, "Adressen", address, AddressFields());
}

ReportData AddressListReport(Session& session, const AddressListFilter& filter) {
  ReportData data;
  const std::vector<Address> addresses =
      runOperation(session, operationName("frmAdressen", OperationKind::Sub, "Liste_drucken"),
                   std::vector<Address>(), [&] {
                     return trim(filter.search).empty() ? allAddresses(session, filter.isCustomer)
                                                        : searchedAddresses(session, filter);
                   });
  for (const Address& address : addresses) {
    ReportValues& record = data.addRecord();
    defineAddressFields(record, address);
    record.define("Adressart", address.kunde ? "Kunde" : "Lieferant");
    record.define("Anschrift", AddressBlock(address));
  }
  defineListVariables(session, data, "Adressliste", filterText(filter));
  return data;
}

}  // namespace orvosal

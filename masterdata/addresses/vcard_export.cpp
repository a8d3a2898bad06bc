#include <fstream>
#include <stdexcept>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/version.h"
#include "masterdata/addresses/address_editor.h"
#include "masterdata/addresses/address_kind.h"
#include "masterdata/addresses/vcard.h"

namespace orvosal {
namespace {

std::vector<Address> addressesOfKind(Session& session, bool isCustomer) {
  std::vector<Address> addresses;
  Recordset rs(GlobalConnection(session), "SELECT * FROM Adressen where (" +
                                              addressKindCondition(session, isCustomer) + ") ORDER BY [ID]");
  for (; !rs.eof(); rs.moveNext()) addresses.push_back(readRecord(rs, AddressFields()));
  return addresses;
}

// The addresses in the order given; nothing when one of them is missing or of the other kind.
std::optional<std::vector<Address>> chosenAddresses(Session& session, bool isCustomer,
                                                    const std::vector<int64_t>& ids) {
  std::vector<Address> addresses;
  for (const int64_t id : ids) {
    Recordset rs(GlobalConnection(session), "SELECT * FROM Adressen WHERE ([ID] IN (" + std::to_string(id) +
                                                ") AND " + addressKindCondition(session, isCustomer) + ")");
    if (rs.eof()) {
      session.ui().message(std::string(isCustomer ? "Kunde" : "Lieferant") + " mit der ID " +
                               std::to_string(id) + " nicht gefunden, keine Dateien exportiert",
                           kProductName, MessageKind::Warning);
      return std::nullopt;
    }
    addresses.push_back(readRecord(rs, AddressFields()));
  }
  return addresses;
}

// The file name of the card in the folder; taken names get " (2)", " (3)", ... before ".vcf".
std::filesystem::path freeFileName(const std::filesystem::path& folder, const std::string& fileName) {
  const std::string stem = fileName.substr(0, fileName.size() - 4);
  std::filesystem::path candidate = folder / fileName;
  for (int copy = 2; std::filesystem::exists(candidate); ++copy) {
    candidate = folder / (stem + " (" + std::to_string(copy) + ").vcf");
  }
  return candidate;
}

void writeCard(const std::filesystem::path& path, const Address& address) {
  std::ofstream file(path, std::ios::binary);
  file << VCardText(address);
  if (!file.flush())
    throw std::runtime_error("Die Datei " + path.string() + " kann nicht geschrieben werden.");
}

}  // namespace

std::optional<std::vector<std::filesystem::path>> ExportVCards(Session& session, bool isCustomer,
                                                               const std::filesystem::path& folder,
                                                               const std::vector<int64_t>& ids) {
  using Written = std::vector<std::filesystem::path>;
  using Result = std::optional<Written>;
  return runOperation(
      session, operationName(addressWindowName(isCustomer), OperationKind::Sub, "VCard_Export"), Result{},
      [&]() -> Result {
        if (!std::filesystem::is_directory(folder)) {
          session.ui().message("Das Verzeichnis " + folder.string() + " gibt es nicht", kProductName,
                               MessageKind::Warning);
          return std::nullopt;
        }
        const auto addresses = ids.empty() ? std::optional(addressesOfKind(session, isCustomer))
                                           : chosenAddresses(session, isCustomer, ids);
        if (!addresses) return std::nullopt;
        Written written;
        for (const Address& address : *addresses) {
          written.push_back(freeFileName(folder, VCardFileName(address)));
          writeCard(written.back(), address);
        }
        session.ui().message("Dateien exportiert", kProductName, MessageKind::Information);
        return written;
      });
}

}  // namespace orvosal

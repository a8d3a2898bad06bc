#include "masterdata/addresses/address_search.h"

#include <algorithm>
#include <initializer_list>
#include <set>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_german_order.h"
#include "core/db/sql_helpers.h"
#include "core/db/sql_search_conditions.h"
#include "core/operation_guard.h"
#include "core/rules/soundex.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr const char* kAddressSearchModule = "mdlAdressSuche";

std::string anyOf(std::initializer_list<std::string> alternatives) {
  std::string joined;
  for (const std::string& alternative : alternatives) joined += (joined.empty() ? "" : " OR ") + alternative;
  return "(" + joined + ")";
}

using AddressRowText = std::string AddressSearchRow::*;

// The order of a part of the result: columns as SQL names them, and the same as row members.
struct AddressOrder {
  std::vector<std::string> columns;
  std::vector<AddressRowText> members;
};

const AddressOrder kByName{{"Name", "Vorname"}, {&AddressSearchRow::name, &AddressSearchRow::vorname}};
const AddressOrder kByCustomerNumber{{"Kundennummer"}, {&AddressSearchRow::kundennummer}};
const AddressOrder kByTown{{"Ort", "Name"}, {&AddressSearchRow::ort, &AddressSearchRow::name}};
const AddressOrder kByPostcode{{"PLZ", "Name"}, {&AddressSearchRow::plz, &AddressSearchRow::name}};

// One query of a search: its condition and order. A search runs its parts one after the other
// while the list is not full; each part adds the rows the earlier ones did not find.
struct AddressSearchPart {
  std::string condition;
  const AddressOrder& order;
};

std::vector<AddressSearchPart> addressSearchParts(const Dialect& dialect, AddressSearchField field,
                                                  std::string_view text) {
  switch (field) {
    case AddressSearchField::Number:
      return {{SqlStartsWith(dialect, "Kundennummer", text), kByCustomerNumber}};
    case AddressSearchField::Name:
      return {{SqlStartsWith(dialect, "Name", text), kByName},
              {SqlStartsWith(dialect, "Vorname", text), kByName}};
    case AddressSearchField::NameInfix:
      return {{SqlContains("Name", text), kByName}, {SqlContains("Vorname", text), kByName}};
    case AddressSearchField::Town:
      return {{SqlStartsWith(dialect, "Ort", text), kByTown}};
    case AddressSearchField::Postcode:
      return {{SqlStartsWith(dialect, "PLZ", text), kByPostcode}};
    case AddressSearchField::Phonetic: {
      const std::string code = SqlQuoted(SoundEx(text));
      return {{"([SoundExName] = " + code + ")", kByName}, {"([SoundExVorname] = " + code + ")", kByName}};
    }
    case AddressSearchField::FreeText:
      return {{anyOf({SqlContains("Kundennummer", text), SqlContains("Name", text),
                      SqlContains("Vorname", text), SqlContains("Straße", text), SqlContains("Ort", text),
                      SqlContains("Email", text), SqlContains("Telefon1", text)}),
               kByName}};
  }
  return {};
}

std::string partSql(const Dialect& dialect, const AddressSearchPart& part, const AddressSearch& search) {
  std::string where = part.condition;
  if (search.isCustomer) where += " AND " + CreateBooleanSelect(dialect, "Kunde", *search.isCustomer, false);
  std::string order;
  for (const std::string& column : part.order.columns) order += "[" + column + "], ";
  return "SELECT Top " + std::to_string(search.limit) +
         " [ID], [Kundennummer], [Name], [Vorname], [Straße], [PLZ], [Ort], [Telefon1], [Kunde] FROM "
         "Adressen "
         "WHERE (" +
         where + ") ORDER BY " + order + "[ID]";
}

// German order on the order's columns, then the key; the engines' own orders differ in details,
// the list shows one order on both.
void sortAddressRows(std::vector<AddressSearchRow>& rows, size_t from, const AddressOrder& order) {
  std::sort(rows.begin() + static_cast<std::ptrdiff_t>(from), rows.end(),
            [&](const AddressSearchRow& a, const AddressSearchRow& b) {
              for (AddressRowText member : order.members) {
                if (const int result = compareGerman(a.*member, b.*member); result != 0) return result < 0;
              }
              return a.id < b.id;
            });
}

AddressSearchRow readAddressRow(const Recordset& rs) {
  AddressSearchRow row;
  row.id = rs["ID"].toInt();
  row.kundennummer = rs["Kundennummer"].toText();
  row.name = rs["Name"].toText();
  row.vorname = rs["Vorname"].toText();
  row.straße = rs["Straße"].toText();
  row.plz = rs["PLZ"].toText();
  row.ort = rs["Ort"].toText();
  row.telefon1 = rs["Telefon1"].toText();
  row.kunde = rs["Kunde"].toBool();
  return row;
}

}  // namespace

std::vector<AddressSearchRow> searchAddresses(Session& session, const AddressSearch& search) {
  return runOperation(
      session, operationName(kAddressSearchModule, OperationKind::Function, "Suche"),
      std::vector<AddressSearchRow>{}, [&] {
        std::vector<AddressSearchRow> rows;
        const std::string_view text = trim(search.text);
        if (text.empty() || search.limit <= 0) return rows;
        const Dialect& dialect = session.database().dialect;
        std::set<int64_t> found;
        for (const AddressSearchPart& part : addressSearchParts(dialect, search.field, text)) {
          if (rows.size() >= static_cast<size_t>(search.limit)) break;
          const size_t from = rows.size();
          for (Recordset rs(GlobalConnection(session), partSql(dialect, part, search)); !rs.eof();
               rs.moveNext()) {
            AddressSearchRow row = readAddressRow(rs);
            if (found.insert(row.id).second) rows.push_back(std::move(row));
          }
          sortAddressRows(rows, from, part.order);
        }
        if (rows.size() > static_cast<size_t>(search.limit)) rows.resize(static_cast<size_t>(search.limit));
        return rows;
      });
}

}  // namespace orvosal

#include "masterdata/addresses/tests/address_test_support.h"

#include "core/db/recordset.h"
#include "core/rules/soundex.h"
#include "core/users/current_user.h"

namespace orvosal::testing {

void AddressFixture::SetUp() {
  SeededBothEngines::SetUp();
  signInWith({"Kunden", "Lieferanten", "Save_Kunde", "Delete_Kunde", "Save_Lieferant", "Delete_Lieferant"});
}

void AddressFixture::signInWith(std::initializer_list<std::string_view> rights, bool master) {
  CurrentUser& user = session().area<CurrentUser>();
  user.signedIn = true;
  user.id = 1;
  user.name = "Prüfer";
  user.master = master;
  user.rights.clear();
  for (const std::string_view right : rights) user.rights[std::string(right)] = 1;
}

int64_t AddressFixture::storeAddress(bool customer, const std::string& name, const std::string& firstName,
                                     const std::string& number) {
  Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
  rs.addNew();
  rs.set("Kunde", Value(customer));
  rs.set("Name", Value(name));
  rs.set("Vorname", Value(firstName));
  rs.set("SoundExName", Value(SoundEx(name)));
  rs.set("SoundExVorname", Value(SoundEx(firstName)));
  rs.set("Kundennummer", Value(number));
  rs.update();
  return rs["ID"].toInt();
}

int64_t AddressFixture::countRows(const std::string& table, const std::string& condition) {
  Recordset rs(db(),
               "SELECT count(*) as Anzahl FROM " + table + (condition.empty() ? "" : " WHERE " + condition));
  return rs["Anzahl"].toInt();
}

}  // namespace orvosal::testing

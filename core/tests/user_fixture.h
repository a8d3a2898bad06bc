#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/company/company.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/schema/seed_defaults.h"
#include "core/startup/startup_state.h"
#include "core/tests/db_test_support.h"
#include "core/users/user_row.h"

namespace orvosal::testing {

// A seeded database of either engine (its first user is the default user) with helpers to add
// users the way another program version or workstation would have stored them.
class UserFixture : public SeededBothEngines {
 protected:
  ScriptedUi& ui() { return engine().ui(); }

  // Adds a user with every right granted.
  int64_t addUser(std::string_view name, std::string_view password, bool aktiv = true, bool master = false) {
    Recordset rs(db(), "SELECT Top 1 * FROM Benutzer");
    rs.addNew();
    rs.set("Name", Value(name));
    rs.set("Passwort", Value(password));
    rs.set("Kennung", Value(name.substr(0, 2)));
    rs.set("Aktiv", Value(aktiv));
    rs.set("Master", Value(master));
    rs.set("Automatic", Value(false));
    for (std::string_view right : kUserRights) rs.set(right, Value(1));
    rs.update();
    return rs["ID"].toInt();
  }

  void execute(const std::string& sql) { ASSERT_TRUE(ExecuteGlobal(session(), sql)) << sql; }

  int64_t firstUserId() {
    Recordset rs(db(), "SELECT Top 1 * FROM Benutzer ORDER BY ID");
    return rs["ID"].toInt();
  }

  int64_t count(const std::string& table) {
    Recordset rs(db(), "SELECT count(*) as Anzahl FROM " + table);
    return rs["Anzahl"].toInt();
  }

  std::string setting(std::string_view section, std::string_view key) {
    return session().settings().ReadSetting(section, key, "<fehlt>");
  }

  // The company data as the start-up loads it.
  void loadCompany() { session().area<Company>() = ReadCompany(db()).value_or(Company{}); }

  void expectNoErrors() { EXPECT_TRUE(ui().texts("error").empty()) << ui().texts("error").front(); }
};

}  // namespace orvosal::testing

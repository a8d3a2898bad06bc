#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/tests/db_test_support.h"
#include "masterdata/addresses/address.h"

namespace orvosal::testing {

// A seeded database with a signed-in user and helpers to store addresses and what hangs on them.
class AddressFixture : public SeededBothEngines {
 protected:
  void SetUp() override;

  // Signs user 1 in with exactly these rights; a master user is never asked for the master password.
  void signInWith(std::initializer_list<std::string_view> rights, bool master = true);

  // Stores an address directly (not through the window's rules) and answers its ID.
  int64_t storeAddress(bool customer, const std::string& name, const std::string& firstName = "",
                       const std::string& number = "");

  ScriptedUi& ui() { return engine().ui(); }

  int64_t countRows(const std::string& table, const std::string& condition = "");
};

}  // namespace orvosal::testing

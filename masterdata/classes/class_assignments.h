#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/session.h"

namespace orvosal {

// The customers assigned to a commission class (`Klassen_zu_Kunden`), as the commission-class
// window lists and changes them. Changes need the right "Provision".

struct AssignedCustomer {
  int64_t assignmentId = 0;  // `Klassen_zu_Kunden.id`
  int64_t customerId = 0;
  std::string kundennummer;
  std::string name;  // "Name Vorname"
  bool operator==(const AssignedCustomer&) const = default;
};

// The customers of the class in the order they were assigned.
std::vector<AssignedCustomer> AssignedCustomers(Session& session, int64_t classId);

// Assigns the customer to the class. Refused for a customer the class has already ("Kunde bereits
// zugeordnet"), an address that is no customer, or a class that does not exist. True when assigned.
bool AssignCustomer(Session& session, int64_t classId, int64_t customerId);

// Takes one assignment back. True when removed.
bool RemoveAssignedCustomer(Session& session, int64_t assignmentId);

}  // namespace orvosal

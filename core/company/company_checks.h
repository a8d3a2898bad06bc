#pragma once

#include <string>

#include "core/company/company.h"

namespace orvosal {

// What the company data must satisfy before it is stored: a name, and the bank and tax
// identifiers, where given, valid. The identifiers are brought into their stored form (upper case,
// no blanks) in `company`. Answers the German message of the first fault, empty when there is none.
std::string CompanyRefusal(Company& company);

}  // namespace orvosal

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/records/field_table.h"

namespace orvosal {

// One `Klassen` row: a commission class of customers. `classValue` is a percentage when
// `percent` is set, otherwise an amount in EUR. `priority` holds the number of one of
// ClassPriorities() as text.
struct CommissionClass {
  int64_t classId = 0;
  bool active = false;
  std::string className;
  Currency classValue;
  int classPoints = 0;
  bool percent = false;
  int rights = 0;
  int availableUpMarketingStatus = 0;
  std::string availableForMarketingStati;
  std::string availableForCustomers;
  bool chekMinValue = false;
  Currency minValue;
  std::string priority;
  bool operator==(const CommissionClass&) const = default;
};

// Every column of `Klassen` and where CommissionClass keeps it; the key first.
FieldTable<CommissionClass> CommissionClassFields();

// The priorities of a class in the order of their numbers 1, 2, 3.
const std::vector<std::string>& ClassPriorities();

// One `Marketing_Status` row: a customer's marketing level with the commission it pays and what a
// customer needs to reach it.
struct MarketingStatus {
  int64_t marketingId = 0;
  std::string marketingBezeichnung;
  int marketingPayValue = 0;
  int neededPoints = 0;
  int neededCustomers = 0;
  int neededCustomersMarketingStatus = 0;
  bool operator==(const MarketingStatus&) const = default;
};

// Every column of `Marketing_Status` and where MarketingStatus keeps it; the key first.
FieldTable<MarketingStatus> MarketingStatusFields();

}  // namespace orvosal

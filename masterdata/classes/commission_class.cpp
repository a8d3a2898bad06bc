#include "masterdata/classes/commission_class.h"

namespace orvosal {
namespace {

using C = CommissionClass;

const FieldDef<C> kClassFields[] = {
    {"class_id", &C::classId, true},
    {"active", &C::active},
    {"class_name", &C::className},
    {"class_value", &C::classValue},
    {"class_points", &C::classPoints},
    {"percent", &C::percent},
    {"rights", &C::rights},
    {"available_up_marketing_status", &C::availableUpMarketingStatus},
    {"available_for_marketing_stati", &C::availableForMarketingStati},
    {"available_for_customers", &C::availableForCustomers},
    {"chek_min_value", &C::chekMinValue},
    {"min_value", &C::minValue},
    {"priority", &C::priority},
};

using M = MarketingStatus;

const FieldDef<M> kStatusFields[] = {
    {"marketing_id", &M::marketingId, true},
    {"marketing_bezeichnung", &M::marketingBezeichnung},
    {"marketing_pay_value", &M::marketingPayValue},
    {"needed_points", &M::neededPoints},
    {"needed_customers", &M::neededCustomers},
    {"needed_customers_marketing_status", &M::neededCustomersMarketingStatus},
};

}  // namespace

FieldTable<CommissionClass> CommissionClassFields() { return kClassFields; }

const std::vector<std::string>& ClassPriorities() {
  static const std::vector<std::string> names = {"Klassenzuordnung", "direkter Sponsor", "Downline"};
  return names;
}

FieldTable<MarketingStatus> MarketingStatusFields() { return kStatusFields; }

}  // namespace orvosal

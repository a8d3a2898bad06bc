#include <libpq-fe.h>

#include <vector>

#include "core/db/open_failure.h"

namespace orvosal {
namespace {

// The server's own databases, one of which a login that may sign in at all can reach.
constexpr const char* kMaintenanceDatabases[] = {"postgres", "template1"};

// Keyword and value arrays for libpq, with `dbname` replaced when `database` is given.
struct ParameterArrays {
  std::vector<const char*> keywords;
  std::vector<const char*> values;
  ParameterArrays(const PostgresParameters& parameters, const char* database) {
    for (const auto& [keyword, value] : parameters) {
      keywords.push_back(keyword.c_str());
      values.push_back(database != nullptr && keyword == "dbname" ? database : value.c_str());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
  }
};

bool reachesDatabase(const PostgresParameters& parameters, const char* database) {
  const ParameterArrays arrays(parameters, database);
  PGconn* probe = PQconnectdbParams(arrays.keywords.data(), arrays.values.data(), 0);
  const bool reached = PQstatus(probe) == CONNECTION_OK;
  PQfinish(probe);
  return reached;
}

}  // namespace

std::string postgresConnectFailureReason(pg_conn* failed, const PostgresParameters& parameters) {
  const ParameterArrays arrays(parameters, nullptr);
  if (PQpingParams(arrays.keywords.data(), arrays.values.data(), 0) == PQPING_NO_RESPONSE) {
    return unreachableServerReason(parameterValue(parameters, "host"), parameterValue(parameters, "port"));
  }
  if (PQconnectionNeedsPassword(failed) != 0) return std::string(open_reasons::kPasswordMissing);
  for (const char* maintenance : kMaintenanceDatabases) {
    if (reachesDatabase(parameters, maintenance)) {
      return missingServerDatabaseReason(parameterValue(parameters, "dbname"));
    }
  }
  if (PQconnectionUsedPassword(failed) != 0) return std::string(open_reasons::kWrongPassword);
  return std::string(open_reasons::kSignInRefused);
}

}  // namespace orvosal

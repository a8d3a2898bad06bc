#pragma once

#include <map>
#include <string>
#include <unordered_map>

#include "core/db/connection.h"
#include "core/db/connection_string.h"

struct pg_conn;
struct pg_result;
typedef unsigned int Oid;

namespace orvosal {

class DbError;

// The server engine: one libpq connection to a PostgreSQL database. Text columns compare like the
// old engines (case-insensitive, German order) through the collation the setup creates; names are
// lower-cased and quoted by the translation.
class PostgresConnection final : public Connection {
 public:
  // Whether opening makes sure the database holds the collation and helper functions that
  // translated statements use; a connection that only creates databases leaves its own alone.
  enum class Preparation { HelperFunctions, None };

  PostgresConnection(PostgresParameters parameters, const Clock& clock,
                     Preparation preparation = Preparation::HelperFunctions);
  // `conninfo` given whole in libpq's keyword form ("host=... port=... dbname=... user=...").
  PostgresConnection(const std::string& conninfo, const Clock& clock);
  ~PostgresConnection() override;

  std::vector<std::string> tableNames() override;
  bool isAlive() override;
  void reconnect() override;
  std::string quoteIdentifier(std::string_view name) const override;

 protected:
  int64_t executeNative(const std::string& sql, const std::vector<Value>& params) override;
  std::unique_ptr<RowSource> queryNative(const std::string& sql, const std::vector<Value>& params) override;
  int64_t insertReturningKey(const std::string& sql, const std::vector<Value>& params,
                             const std::string& keyColumn) override;
  void insertRowsNative(const std::string& table, const std::vector<std::string>& columns,
                        const RowFeed& feed) override;
  TableSchema readTableSchema(std::string_view table) override;
  std::vector<std::pair<std::string, ColumnKind>> readAllColumnKinds() override;
  std::string placeholder(int index) const override { return "$" + std::to_string(index); }
  void createDatabase(const std::string& sql) override;
  void afterIdentityInsert(const std::string& table) override;
  void beginExclusiveNative(std::string_view lockName) override;
  void lockWithinTransactionNative(std::string_view lockName) override;
  bool failureAbortsTransaction() const override { return true; }
  std::string sameValueCondition(const std::string& quotedColumn, int index) const override;
  void onSchemaChanged() override { tableColumns_.clear(); }

 private:
  friend class PostgresRows;
  struct Result;
  void open();
  void prepareDatabase();
  Result run(const std::string& sql, const std::vector<Value>& params);
  // The failure a result (or, without one, the connection) reports.
  DbError failure(pg_result* raw, const std::string& sql) const;
  void sendCopyData(const std::string& data, const std::string& sql);
  // Ends a COPY, with `abortReason` as its failure when not null, and answers its final result.
  Result endCopy(const char* abortReason);
  // Name of the table with that catalog id and its column names by attribute number.
  const std::pair<std::string, std::map<int, std::string>>& tableColumns(Oid table);

  PostgresParameters parameters_;
  Preparation preparation_;
  mutable std::string lastState_;  // SQLSTATE of the last failure
  pg_conn* conn_ = nullptr;
  int cursorCount_ = 0;
  std::unordered_map<Oid, std::pair<std::string, std::map<int, std::string>>> tableColumns_;
};

}  // namespace orvosal

#pragma once

#include <filesystem>
#include <unordered_map>

#include "core/db/connection.h"

struct sqlite3;
struct sqlite3_stmt;

namespace orvosal {

// The embedded engine: one SQLite file (created when missing, write-ahead journal), with the
// German text collation and the date and money functions the program's SQL expects.
class SqliteConnection final : public Connection {
 public:
  SqliteConnection(std::filesystem::path file, const Clock& clock);
  ~SqliteConnection() override;

  std::vector<std::string> tableNames() override;
  bool isAlive() override { return db_ != nullptr; }
  void reconnect() override;
  std::string quoteIdentifier(std::string_view name) const override;

  const std::filesystem::path& file() const { return file_; }

  // The declared type that gives a column of that kind its behaviour here, and back.
  static std::string declaredType(const ColumnInfo& column);
  static ColumnInfo columnFromDeclaredType(std::string name, std::string_view declared);

 protected:
  int64_t executeNative(const std::string& sql, const std::vector<Value>& params) override;
  std::unique_ptr<RowSource> queryNative(const std::string& sql, const std::vector<Value>& params) override;
  int64_t insertReturningKey(const std::string& sql, const std::vector<Value>& params,
                             const std::string& keyColumn) override;
  void insertRowsNative(const std::string& table, const std::vector<std::string>& columns,
                        const RowFeed& feed) override;
  TableSchema readTableSchema(std::string_view table) override;
  std::vector<std::pair<std::string, ColumnKind>> readAllColumnKinds() override;
  std::string placeholder(int index) const override { return "?" + std::to_string(index); }
  void createDatabase(const std::string& sql) override;
  void afterIdentityInsert(const std::string&) override {}
  void beginExclusiveNative(std::string_view lockName) override;
  void lockWithinTransactionNative(std::string_view) override {}
  bool failureAbortsTransaction() const override { return false; }
  std::string sameValueCondition(const std::string& quotedColumn, int index) const override;

 private:
  void open();
  void close();
  sqlite3_stmt* prepared(const std::string& sql);
  // Runs every statement of an unbound text in turn; the rows they changed themselves.
  int64_t executeEach(const std::string& sql);
  [[noreturn]] void fail(const std::string& sql) const;

  std::filesystem::path file_;
  const Clock& clock_;
  sqlite3* db_ = nullptr;
  std::unordered_map<std::string, sqlite3_stmt*> statements_;  // reused statements with bound values
};

}  // namespace orvosal

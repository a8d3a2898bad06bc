#pragma once

#include <string_view>

#include "core/db/connection.h"

namespace orvosal {

// A unit of work: begun on construction, rolled back when it leaves scope without commit().
// Nested units become savepoints, so a batch can undo its inner part alone.
class DbTransaction {
 public:
  explicit DbTransaction(Connection& connection) : connection_(connection) { connection_.begin(); }
  // The same holding the engine's lock for `lockName` (see Connection::beginExclusive).
  DbTransaction(Connection& connection, std::string_view lockName) : connection_(connection) {
    connection_.beginExclusive(lockName);
  }
  ~DbTransaction() {
    if (open_) {
      try {
        connection_.rollback();
      } catch (...) {
        // A connection that broke off has rolled back by itself.
      }
    }
  }
  DbTransaction(const DbTransaction&) = delete;
  DbTransaction& operator=(const DbTransaction&) = delete;

  void commit() {
    if (!open_) return;
    open_ = false;
    connection_.commit();
  }
  void rollback() {
    if (!open_) return;
    open_ = false;
    connection_.rollback();
  }

 private:
  Connection& connection_;
  bool open_ = true;
};

}  // namespace orvosal

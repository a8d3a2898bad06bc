#include "core/schema/copy_to_server.h"

#include <gtest/gtest.h>

#include <map>

#include "core/db/database.h"
#include "core/db/postgres_connection.h"
#include "core/db/recordset.h"
#include "core/db/sql_unicode.h"
#include "core/db/transaction.h"
#include "core/schema/table_creator.h"
#include "core/schema/table_def.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::EngineSession;
using orvosal::testing::ServerTestDatabase;
using orvosal::testing::testPostgresServer;
using orvosal::testing::writeServerEntry;

constexpr int kServerEntry = 2;

// The first `count` characters of a UTF-8 text.
std::string prefix(const std::string& text, long count) {
  size_t pos = 0;
  for (long taken = 0; pos < text.size() && taken < count; ++taken) nextCodePoint(text, pos);
  return text.substr(0, pos);
}

// A value of every kind the schema knows, with Null now and then and keys with gaps.
Value sampleValue(const ColumnInfo& column, int row, size_t index) {
  if (column.isKey) return Value(int64_t{3 * row + 5});
  if ((row + static_cast<int>(index)) % 11 == 0) return Value();
  switch (column.kind) {
    case ColumnKind::Text: {
      const std::string text =
          "Ä'ö*ü ß " + std::to_string(row) + " Größenwahn Straße " + std::to_string(index);
      return Value(column.definedSize > 0 ? prefix(text, column.definedSize) : text);
    }
    case ColumnKind::Integer:
      return Value(int64_t{row * 7 - 3});
    case ColumnKind::Bit:
      return Value(row % 2 == 0);
    case ColumnKind::Currency:
    case ColumnKind::Decimal:
      return Value(Currency::fromUnits(int64_t{row} * 123457 - 50000));
    case ColumnKind::Double:
      return Value(row * 0.25);
    case ColumnKind::DateTime: {
      const Date day = Date::fromYmd(2019, 12, 30)->addDays(row);
      return Value(*DateTime::fromParts(day, row % 24, row % 60, (row * 7) % 60));
    }
    case ColumnKind::Unknown:
      break;
  }
  return Value();
}

void fillTable(Connection& db, const std::string& table, int rows) {
  const TableSchema& schema = db.tableSchema(table);
  std::vector<std::pair<std::string, Value>> fields;
  for (int row = 0; row < rows; ++row) {
    fields.clear();
    for (size_t i = 0; i < schema.columns.size(); ++i) {
      fields.emplace_back(schema.columns[i].name, sampleValue(schema.columns[i], row, i));
    }
    db.insertRow(schema, fields);
  }
}

int64_t countRows(Connection& db, const std::string& table) {
  Recordset rs(db, "SELECT Count(*) AS N FROM [" + table + "]");
  return rs["N"].toInt();
}

// Names the first field, row or table in which the two databases differ; empty when equal.
std::string firstDifference(Connection& source, Connection& target) {
  for (const std::string& table : source.tableNames()) {
    const std::string key = source.tableSchema(table).keyColumn;
    const std::string select = "SELECT * FROM [" + table + "] ORDER BY [" + key + "]";
    Recordset from(source, select);
    Recordset to(target, select);
    for (; !from.eof(); from.moveNext(), to.moveNext()) {
      if (to.eof()) return table + ": Zeilen fehlen";
      for (int i = 0; i < from.fieldCount(); ++i) {
        const std::string field = from.fieldName(i);
        if (from[field] == to[field]) continue;
        return table + "." + field + " bei " + key + " " + from[key].toText() + ": '" + from[field].toText() +
               "' gegen '" + to[field].toText() + "'";
      }
    }
    if (!to.eof()) return table + ": zu viele Zeilen";
  }
  return {};
}

// A file database of the program's schema as the open database of a session, and an empty
// server database configured as entry 2 of the same program folder.
class CopyToServer : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto server = testPostgresServer();
    if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
    file_ = std::make_unique<EngineSession>(SqlEngine::Sqlite);
    server_ = std::make_unique<ServerTestDatabase>(*server);
    writeServerEntry(session().settings(), kServerEntry, *server, server_->name(), "Zentrale");
    target_ = std::make_unique<PostgresConnection>(server_->conninfo(), file_->clock());
  }

  Session& session() { return file_->session(); }
  ScriptedUi& ui() { return file_->ui(); }
  Connection& source() { return GlobalConnection(session()); }
  Connection& target() { return *target_; }

  void createSourceTables(const std::vector<std::string>& only = {}) {
    DbTransaction tx(source());
    if (only.empty()) CreateAllTables(session(), source());
    for (const auto& table : only) EnsureTable(session(), source(), *findTable(table));
    tx.commit();
  }

  void fillSource(const std::map<std::string, int>& rowsPerTable) {
    DbTransaction tx(source());
    for (const auto& [table, rows] : rowsPerTable) fillTable(source(), table, rows);
    tx.commit();
  }

  std::map<std::string, int64_t> targetCounts() {
    std::map<std::string, int64_t> counts;
    for (const auto& table : target().tableNames()) counts[table] = countRows(target(), table);
    return counts;
  }

  std::unique_ptr<EngineSession> file_;
  std::unique_ptr<ServerTestDatabase> server_;
  std::unique_ptr<PostgresConnection> target_;
};

TEST_F(CopyToServer, EveryKeyAndValueArrivesAndNewRowsGetFreshKeys) {
  createSourceTables();
  fillSource({{"Adressen", 1500},
              {"Belegkopf", 600},
              {"Buchungen", 1200},
              {"Übersichten", 300},
              {"Zahlungsbedingungen", 40}});
  ui().answer(true);

  ASSERT_TRUE(Convert_To_SQL_Server(session(), kServerEntry))
      << ::testing::PrintToString(ui().texts("error"));

  ASSERT_EQ(ui().shown().front().text, "Sollen die Grunddatensätze erstellt werden?");
  EXPECT_EQ(ui().shown().front().title, "Grunddatensätze erstellen");
  EXPECT_EQ(ui().texts("message"), std::vector<std::string>{"Fertig, Datenbank übertragen"});
  EXPECT_EQ(target().tableNames().size(), source().tableNames().size());
  EXPECT_EQ(countRows(target(), "Adressen"), 1500);
  EXPECT_EQ(firstDifference(source(), target()), "");
  EXPECT_EQ(session().database().dialect.engine(), SqlEngine::Sqlite)
      << "the open database is still the file database";

  // Buchungen: key Zähler, plus an ordinary column named ID; the last copied key is 3 * 1199 + 5.
  Recordset added(target(), "SELECT Top 1 * FROM Buchungen");
  added.addNew();
  added.set("Text", Value("nach der Übertragung"));
  added.update();
  EXPECT_EQ(added["Zähler"].toInt(), 3603);
}

TEST_F(CopyToServer, ACopyOverAnEarlierOneReplacesItsRows) {
  createSourceTables({"Adressen", "Konten"});
  fillSource({{"Adressen", 50}, {"Konten", 5}});
  ui().answer(true);
  ASSERT_TRUE(Convert_To_SQL_Server(session(), kServerEntry));
  ASSERT_TRUE(ExecuteGlobal(session(), "DELETE FROM Adressen WHERE ([ID] > 80)"));
  ASSERT_TRUE(
      ExecuteGlobal(session(), "UPDATE Konten SET [Bankname] = 'Sparkasse Köln' WHERE ([ID] IN (8))"));

  ASSERT_TRUE(Convert_To_SQL_Server(session(), kServerEntry)) << "no question: the server has tables";

  EXPECT_FALSE(ui().pendingAnswers());
  EXPECT_EQ(countRows(target(), "Adressen"), 26);
  EXPECT_EQ(firstDifference(source(), target()), "");
}

TEST_F(CopyToServer, WithoutTheBasicTablesOnlyTheSourceTablesAreCreated) {
  createSourceTables({"Artikel", "Vermietung"});
  fillSource({{"Artikel", 20}, {"Vermietung", 10}});
  ui().answer(false);

  ASSERT_TRUE(Convert_To_SQL_Server(session(), kServerEntry));

  EXPECT_EQ(target().tableNames(), (std::vector<std::string>{"artikel", "vermietung"}));
  EXPECT_EQ(firstDifference(source(), target()), "");
}

TEST_F(CopyToServer, ATableThatDoesNotFitLeavesTheServerAsItWasAndIsNamed) {
  createSourceTables();
  fillSource({{"Adressen", 300}, {"Zahlungsbedingungen", 20}});
  ui().answer(true);
  ASSERT_TRUE(Convert_To_SQL_Server(session(), kServerEntry));
  // On the server the payment-terms text has become a number, which the source's texts are not.
  target().execute("ALTER TABLE Zahlungsbedingungen DROP COLUMN [Text]");
  target().execute("ALTER TABLE Zahlungsbedingungen ADD [Text] [int] NULL ;");
  ASSERT_TRUE(ExecuteGlobal(session(), "DELETE FROM Adressen WHERE ([ID] > 100)"));
  const auto before = targetCounts();

  EXPECT_FALSE(Convert_To_SQL_Server(session(), kServerEntry));

  const auto errors = ui().texts("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors.front().find("in frmMain!Function Convert_To_SQL_Server()"), std::string::npos)
      << errors.front();
  EXPECT_NE(errors.front().find("Tabelle 'Zahlungsbedingungen'"), std::string::npos) << errors.front();
  EXPECT_EQ(targetCounts(), before);
  EXPECT_EQ(countRows(target(), "Adressen"), 300) << "tables copied before the failure are rolled back";
  EXPECT_EQ(countRows(source(), "Adressen"), 32);
  EXPECT_EQ(ui().texts("message"), std::vector<std::string>{"Fertig, Datenbank übertragen"});
}

TEST(CopyToServerChoice, ServerEntriesAreOfferedByTitle) {
  EngineSession file(SqlEngine::Sqlite);
  SettingsFiles& settings = file.session().settings();
  for (const auto& [number, title] : {std::pair{2, "Zentrale"}, std::pair{3, "Filiale"}}) {
    settings.WriteSetting("Database" + std::to_string(number), "Titel", title);
    settings.WriteSetting("Database" + std::to_string(number), "UseSqlServer", "1");
  }
  file.ui().answer(1);
  EXPECT_EQ(ChooseServerDatabase(file.session()), 3);
  file.ui().answer(std::monostate{});
  EXPECT_EQ(ChooseServerDatabase(file.session()), std::nullopt);
  EXPECT_EQ(file.ui().texts("choice").front(), "Auf welche Datenbank soll übertragen werden?");
}

// Needs no server: the target is never reached.
TEST(CopyToServerRefusals, AnUnreachableOrNonServerTargetIsRefused) {
  EngineSession file(SqlEngine::Sqlite);
  SettingsFiles& settings = file.session().settings();
  settings.WriteSetting("Database2", "Titel", "Nirgends");
  settings.WriteSetting("Database2", "UseSqlServer", "1");
  settings.WriteSetting("Database2", "SQLServer", "127.0.0.1,1");
  settings.WriteSetting("Database2", "SQLDatenbankDirekt", "1");

  EXPECT_FALSE(Convert_To_SQL_Server(file.session(), 2));
  EXPECT_FALSE(Convert_To_SQL_Server(file.session(), 1));
  EXPECT_EQ(file.ui().texts("message"),
            (std::vector<std::string>{"Datenbankverbindung kann nicht hergestellt werden",
                                      "Die Datenbank 1 ist keine SQL-Server-Datenbank."}));
  EXPECT_EQ(file.session().database().dialect.engine(), SqlEngine::Sqlite);

  file.session().settings().WriteSetting("Database2", "UseSqlServer", "0");
  EXPECT_EQ(ChooseServerDatabase(file.session()), std::nullopt);
  EXPECT_EQ(file.ui().texts("message").back(), "Es ist keine SQL-Server-Datenbank eingerichtet.");
}

TEST(CopyToServerRefusals, OnlyAnOpenFileDatabaseIsCopied) {
  const auto server = testPostgresServer();
  if (!server) GTEST_SKIP() << "ORVOSAL_TEST_PG is not set: PostgreSQL not tested";
  EngineSession onServer(SqlEngine::Postgres);
  onServer.configureEntry(2);
  EXPECT_FALSE(Convert_To_SQL_Server(onServer.session(), 2));
  EXPECT_EQ(onServer.ui().texts("message"),
            std::vector<std::string>{"Es ist keine Access-Datenbank geöffnet, die übertragen werden kann."});
}

}  // namespace
}  // namespace orvosal

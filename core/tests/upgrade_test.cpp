#include "core/schema/upgrade.h"

#include <gtest/gtest.h>

#include <set>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/schema/ensure_column.h"
#include "core/schema/program_version.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/schema/table_def.h"
#include "core/tests/db_test_support.h"
#include "core/text.h"

namespace orvosal {
namespace {

using orvosal::testing::BothEngines;

// Every dated step, the first block first, as an old database runs them.
const std::vector<int> kDatedSteps = {
    20190601, 20190619, 20190620, 20190904, 20190907, 20191031, 20191116, 20191118, 20191119,
    20191120, 20191121, 20191122, 20191123, 20191124, 20191125, 20191126, 20191127, 20200603,
    20200605, 20201102, 20201104, 20201105, 20201106, 20201203, 20201204, 20201207, 20201209,
    20201210, 20201211, 20201212, 20201213, 20210509, 20210517, 20210518, 20220509, 20220510,
    20220511, 20261206, 20261207, 20261208, 20261209, 20261220,
};

ColumnKind kindOfTypeWord(std::string_view word) {
  const std::string upper = toUpperGerman(word);
  if (upper == "INT" || upper == "SMALLINT") return ColumnKind::Integer;
  if (upper == "MONEY") return ColumnKind::Currency;
  if (upper == "DEZIMAL") return ColumnKind::Decimal;
  if (upper == "TEXT" || upper == "VARCHAR") return ColumnKind::Text;
  if (upper == "BIT") return ColumnKind::Bit;
  if (upper == "DATE" || upper == "DATETIME") return ColumnKind::DateTime;
  return ColumnKind::Double;
}

// One line per column as the engine's own catalog describes it.
std::set<std::string> catalog(Connection& db) {
  std::set<std::string> lines;
  for (const auto& table : db.tableNames()) {
    const TableSchema& schema = db.tableSchema(table);
    for (const auto& column : schema.columns) {
      lines.insert(toLowerGerman(schema.name) + "." + toLowerGerman(column.name) + " " +
                   std::to_string(static_cast<int>(column.kind)) + " " + std::to_string(column.definedSize) +
                   (column.isKey ? " key" : ""));
    }
  }
  return lines;
}

class UpgradeTest : public BothEngines {
 protected:
  Connection& db() { return GlobalConnection(session()); }

  void newDatabase() {
    CreateAllTables(session(), db());
    SeedDefaults(session(), db(), "");
    Datenbank_Anpassungen(session());
  }

  std::string setting(const std::string& name) {
    Recordset rs(db(), "SELECT * FROM SystemSettings WHERE ([Setting] IN ('" + name + "'));");
    return rs.eof() ? "<fehlt>" : rs["SettingValue"].toText();
  }
};

TEST_P(UpgradeTest, ANewDatabaseHasEveryTableAndColumnInOrderWithItsKey) {
  newDatabase();
  EXPECT_EQ(ReadDatabaseVersion(db()), 20261220);
  EXPECT_TRUE(engine().ui().texts("error").empty()) << engine().ui().texts("error").front();
  for (const TableDef& table : allTables()) {
    SCOPED_TRACE(std::string(table.name));
    const TableSchema& schema = db().tableSchema(table.name);
    ASSERT_FALSE(schema.columns.empty());
    EXPECT_TRUE(equalsNoCase(schema.keyColumn, table.key)) << schema.keyColumn;
    EXPECT_TRUE(equalsNoCase(schema.columns.front().name, table.key));
    // A name listed twice (or the key listed again) is one column of the database.
    std::vector<const ColumnDef*> expected;
    for (const ColumnDef& column : table.columns) {
      if (equalsNoCase(column.name, table.key)) continue;
      const bool duplicate = std::any_of(expected.begin(), expected.end(), [&](const ColumnDef* seen) {
        return equalsNoCase(seen->name, column.name);
      });
      if (!duplicate) expected.push_back(&column);
    }
    ASSERT_EQ(schema.columns.size(), expected.size() + 1);
    for (size_t i = 0; i < expected.size(); ++i) {
      const ColumnInfo& actual = schema.columns[i + 1];
      EXPECT_TRUE(equalsNoCase(actual.name, expected[i]->name)) << actual.name << " vs " << expected[i]->name;
      EXPECT_EQ(actual.kind, kindOfTypeWord(expected[i]->typeWord)) << actual.name;
      if (toUpperGerman(expected[i]->typeWord) == "VARCHAR") {
        EXPECT_EQ(std::to_string(actual.definedSize), expected[i]->size) << actual.name;
      }
    }
  }
}

TEST_P(UpgradeTest, AnOldDatabaseEndsWithTheCatalogOfANewOne) {
  // Tables with only the columns they had from the start, stamped as the first block left them.
  for (const TableDef& table : allTables()) {
    if (table.createdBy != 0) continue;
    ASSERT_TRUE(ExecuteGlobal(session(), db().dialect().keyTableStatement(table.name, table.key)));
    for (const ColumnDef& column : table.columns) {
      if (column.addedBy == 0) {
        EnsureColumn(session(), table.name, db(), column.name, column.typeWord, column.initial, column.size);
      }
    }
  }
  SeedDefaults(session(), db(), "20190601");
  ASSERT_EQ(ReadDatabaseVersion(db()), 20190601);
  EXPECT_EQ(Datenbank_Anpassungen(session()), kDatedSteps);
  EXPECT_EQ(ReadDatabaseVersion(db()), 20261220);
  const auto upgraded = catalog(db());

  orvosal::testing::EngineSession fresh(GetParam());
  Connection& other = GlobalConnection(fresh.session());
  CreateAllTables(fresh.session(), other);
  SeedDefaults(fresh.session(), other, "");
  Datenbank_Anpassungen(fresh.session());
  const auto created = catalog(other);
  std::vector<std::string> missing, extra;
  std::set_difference(created.begin(), created.end(), upgraded.begin(), upgraded.end(),
                      std::back_inserter(missing));
  std::set_difference(upgraded.begin(), upgraded.end(), created.begin(), created.end(),
                      std::back_inserter(extra));
  EXPECT_TRUE(missing.empty()) << "missing after upgrade: " << missing.front();
  EXPECT_TRUE(extra.empty()) << "only after upgrade: " << extra.front();
}

TEST_P(UpgradeTest, ALaterStampRunsOnlyTheLaterStepsAndKeepsWhatEarlierOnesWouldReset) {
  newDatabase();
  ASSERT_TRUE(ExecuteGlobal(session(), "Update ProgrammVersion set [DatebaseVersion] =  '20201203';"));
  ASSERT_TRUE(ExecuteGlobal(
      session(), "Update SystemSettings set [SettingValue] = '20' where ([Setting] IN ('MwStSatzGroß'))"));
  const auto ran = Datenbank_Anpassungen(session());
  ASSERT_FALSE(ran.empty());
  EXPECT_EQ(ran.front(), 20201204);
  EXPECT_EQ(setting("MwStSatzGroß"), "20");
  EXPECT_TRUE(Datenbank_Anpassungen(session()).empty()) << "an up-to-date database runs no step";

  ASSERT_TRUE(ExecuteGlobal(session(), "Update ProgrammVersion set [DatebaseVersion] =  '20201202';"));
  Datenbank_Anpassungen(session());
  EXPECT_EQ(setting("MwStSatzGroß"), "19");
  EXPECT_EQ(setting("SRVon"), "01.07.2020");
}

TEST_P(UpgradeTest, DataStepsRepairWhatTheyFind) {
  newDatabase();
  ASSERT_TRUE(ExecuteGlobal(session(),
                            "INSERT INTO Files ([DateiName], [Art], [IDNummer], [VG]) VALUES "
                            "('a.pdf', 'Beleg', 1, 0), ('a.pdf', 'Beleg', 1, 0), ('b.pdf', 'Beleg', 1, 0)"));
  ASSERT_TRUE(ExecuteGlobal(session(),
                            "INSERT INTO Artikel ([Artikelnummer], [Warengruppe]) VALUES "
                            "('1', 'Mietgeräte'), ('2', 'Werkzeug'), ('3', 'Vermietung')"));
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Stuecklisten ([ArtikelID]) VALUES (2), (0)"));
  ASSERT_TRUE(ExecuteGlobal(session(), "INSERT INTO Project ([Bezeichung]) VALUES ('Umbau')"));
  ASSERT_TRUE(ExecuteGlobal(session(), "Update ProgrammVersion set [DatebaseVersion] =  '20191120';"));
  Datenbank_Anpassungen(session());

  std::vector<std::string> files;
  for (Recordset rs(db(), "SELECT * FROM Files ORDER BY ID"); !rs.eof(); rs.moveNext())
    files.push_back(rs["DateiName"].toText() + rs["ID"].toText());
  EXPECT_EQ(files, (std::vector<std::string>{"a.pdf2", "b.pdf3"}));
  std::vector<std::string> articles;
  for (Recordset rs(db(), "SELECT * FROM Artikel ORDER BY ID"); !rs.eof(); rs.moveNext()) {
    articles.push_back(rs["Artikelnummer"].toText() + ":" + (rs["Vermietbar"].toBool() ? "M" : "-") +
                       (rs["StücklistenArtikel"].toBool() ? "S" : "-") +
                       (rs["MasterArtikel"].toBool() ? "H" : "-"));
  }
  EXPECT_EQ(articles, (std::vector<std::string>{"1:M-H", "2:-S-", "3:M-H"}));
  Recordset project(db(), "SELECT * FROM Project");
  EXPECT_EQ(project["Kategorie"].toText(), "Allgemein");
  EXPECT_EQ(session().settings().ReadSetting("Settings1", "TelefonFormat"), "IVN");
}

TEST_P(UpgradeTest, TheFirstBlockMovesTheMailAccountWhenEitherServerIsSetAndSettingsBecomeRows) {
  newDatabase();
  ASSERT_TRUE(ExecuteGlobal(session(),
                            "INSERT INTO Systemeinstellungen ([SMTPPort], [Pop3SSL], [AbsenderEmail]) VALUES "
                            "('587', 1, 'info@firma.de')"));
  struct Case {
    const char* pop;
    const char* smtp;
    const char* account;  // "Pop3Server|SMTPServer|SmtpPort|Pop3SSL|AbsenderEmail", empty for none
  };
  const Case cases[] = {
      {"'pop.firma.de'", "'smtp.firma.de'", "pop.firma.de|smtp.firma.de|587|1|info@firma.de"},
      {"'pop.firma.de'", "Null", "pop.firma.de||587|1|info@firma.de"},
      {"Null", "'smtp.firma.de'", "|smtp.firma.de|587|1|info@firma.de"},
      {"' '", "Null", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pop) + " " + c.smtp);
    ASSERT_TRUE(ExecuteGlobal(session(), "DELETE FROM EMailAbrufKonten"));
    ASSERT_TRUE(ExecuteGlobal(session(), std::string("Update Systemeinstellungen set [Pop3Server] = ") +
                                             c.pop + ", [SMTPServer] = " + c.smtp));
    ASSERT_TRUE(ExecuteGlobal(session(), "Update ProgrammVersion set [DatebaseVersion] =  '20190101';"));
    Datenbank_Anpassungen(session());
    std::string accounts;
    for (Recordset rs(db(), "SELECT * FROM EMailAbrufKonten"); !rs.eof(); rs.moveNext()) {
      for (const char* field : {"Pop3Server", "SMTPServer", "SmtpPort", "Pop3SSL"})
        accounts += rs[field].toText() + "|";
      accounts += rs["AbsenderEmail"].toText();
    }
    EXPECT_EQ(accounts, c.account);
  }
  EXPECT_EQ(setting("AbsenderEmail"), "info@firma.de");
}

TEST_P(UpgradeTest, TheProgramVersionIsRecorded) {
  newDatabase();
  Write_Last_Version(session());
  Recordset rs(db(), "SELECT Top 1 * FROM ProgrammVersion ORDER BY [ID] DESC");
  EXPECT_EQ(rs["Version"].toText(), programVersionText());
  EXPECT_EQ(rs["Datum"].toDateTime(), session().clock().now());
}

ORVOSAL_ON_BOTH_ENGINES(UpgradeTest);

}  // namespace
}  // namespace orvosal

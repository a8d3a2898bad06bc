#include "core/schema/upgrade_steps.h"

#include <initializer_list>

#include "core/db/database.h"
#include "core/db/db_error.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/schema/article_text_index.h"
#include "core/schema/ensure_column.h"
#include "core/schema/repair_20190904.h"
#include "core/schema/seed_defaults.h"
#include "core/schema/table_creator.h"
#include "core/startup/settings_section.h"
#include "core/text.h"

namespace orvosal {
namespace {

bool run(UpgradeContext& c, const std::string& sql) { return ExecuteSQL(c.session, c.db, sql); }

void schemaOf(UpgradeContext& c, int step) { EnsureStepSchema(c.session, c.db, step); }

void ensureTable(UpgradeContext& c, std::string_view name) {
  if (const TableDef* table = findTable(name)) EnsureTable(c.session, c.db, *table);
}

// A setting value as text: truth values as "1"/"0", everything else in its German text form.
std::string settingText(const Value& value) {
  if (value.isBool()) return value.toBool() ? "1" : "0";
  return value.toText();
}

void firstBlock(UpgradeContext& c) {
  schemaOf(c, kFirstBlockStamp);
  if (TableExists(c.db, "Belegkopf")) {
    Recordset rs(c.db, "SELECT Top 1 * FROM Belegkopf");
    for (const char* column : {"Beleg_gedruckt", "Email_versand", "PDF_Erstellt", "Activität_Erstellt"}) {
      if (rs.hasField(column) && rs.fieldType(column) != 135) {
        run(c, "ALTER TABLE [Belegkopf] ALTER COLUMN [" + std::string(column) + "] datetime;");
      }
    }
  }
  if (TableExists(c.db, "Test")) run(c, "Drop Table Test");
  run(c, "ALTER TABLE Adressen DROP COLUMN [1000er]");
  // The mail account kept in the settings row moves into a table of its own.
  ensureTable(c, "EMailAbrufKonten");
  Recordset accounts(c.db, "SELECT Top 1 * FROM EMailAbrufKonten");
  if (!accounts.eof()) return;
  Recordset settings(c.db, "SELECT Top 1 * FROM [Systemeinstellungen] order by ID");
  if (settings.eof()) return;
  const std::string pop = settings["Pop3Server"].toText();
  const std::string smtp = settings["SMTPServer"].toText();
  if (trim(pop).empty() && trim(smtp).empty()) return;
  accounts.addNew();
  for (const char* column :
       {"AbsenderAdresse", "AbsenderEmail", "SMTPServer", "Pop3Server", "Pop3Username", "Pop3Passwort"}) {
    accounts.set(column, settings[column]);
  }
  accounts.set("SmtpPort", Value(settings["SMTPPort"].toInt()));
  accounts.set("Pop3Port", Value(settings["Pop3Port"].toInt()));
  accounts.set("Pop3SSL", Value(int64_t{settings["Pop3SSL"].toBool() ? 1 : 0}));
  accounts.update();
}

// Settings columns take the value of the same-named key of the workstation's settings section.
void settingsColumnsFromFile(UpgradeContext& c, int step) {
  const TableDef* table = findTable("Systemeinstellungen");
  if (table == nullptr) return;
  for (const ColumnDef& column : table->columns) {
    if (column.addedBy != step) continue;
    const std::string fromFile =
        c.session.settings().ReadSetting(currentSettingsSection(c.session), column.name, column.initial);
    EnsureColumn(c.session, table->name, c.db, column.name, column.typeWord, fromFile, column.size);
  }
}

void step20190619(UpgradeContext& c) { settingsColumnsFromFile(c, 20190619); }
void step20190620(UpgradeContext& c) { settingsColumnsFromFile(c, 20190620); }

void step20190904(UpgradeContext& c) {
  schemaOf(c, 20190904);
  RepairDocumentsAndAddresses(c.session, c.db);
}

void step20190907(UpgradeContext& c) {
  schemaOf(c, 20190907);
  for (const char* column : {"Zahlfrist2", "Zahlfrist3", "Zahlfrist4"}) {
    run(c, "ALTER TABLE Systemeinstellungen DROP COLUMN [" + std::string(column) + "]");
  }
  run(c, "ALTER TABLE Belegkopf DROP COLUMN [Wandel_Quelle_BelegArt]");
  run(c, "ALTER TABLE Belegkopf DROP COLUMN [Wandel_Quelle_BelegNr]");
  run(c, "ALTER TABLE Belegpositionen DROP COLUMN [Disponiert]");
}

void step20191031(UpgradeContext& c) {
  schemaOf(c, 20191031);
  ensureTable(c, "SystemSettings");
  Recordset settings(c.db, "SELECT Top 1 * FROM [Systemeinstellungen] order by ID");
  if (settings.eof()) return;
  for (int i = 0; i < settings.fieldCount(); ++i) {
    const std::string name = settings.fieldName(i);
    if (equalsNoCase(name, "ID")) continue;
    const std::string value = settingText(settings[name]);
    Recordset row(c.db, "SELECT * FROM SystemSettings WHERE ([Setting] IN (" + SqlQuoted(name) + "));");
    if (row.eof()) row.addNew();
    row.set("Setting", Value(name));
    row.set("SettingValue", Value(value));
    row.update();
  }
}

void step20191118(UpgradeContext& c) {
  schemaOf(c, 20191118);
  CreateAllTables(c.session, c.db);
}

void step20191121(UpgradeContext& c) {
  schemaOf(c, 20191121);
  run(c,
      "DELETE FROM Files WHERE [ID] NOT IN (SELECT Max([ID]) FROM Files GROUP BY [DateiName], [Art], "
      "[IDNummer], [VG])");
}

void step20191122(UpgradeContext& c) {
  schemaOf(c, 20191122);
  run(c, "ALTER TABLE [Versand_Bewegungen] ALTER COLUMN [Bestand] [decimal](18,4) NULL;");
  run(c, "ALTER TABLE [Artikel] ALTER COLUMN [Bestand] [decimal](18,4) NULL;");
}

void step20191123(UpgradeContext& c) {
  schemaOf(c, 20191123);
  ensureTable(c, "Lagerbuchung");
  EnsureColumn(c.session, "Versand_Bewegungen", c.db, "LagerbuchungsID", "INT", "0", "");
}

void step20191126(UpgradeContext& c) {
  schemaOf(c, 20191126);
  SettingsFiles& settings = c.session.settings();
  if (settings.ReadSetting(currentSettingsSection(c.session), "TelefonFormat", "").empty()) {
    settings.WriteSetting(currentSettingsSection(c.session), "TelefonFormat", "IVN");
  }
}

void step20191127(UpgradeContext& c) {
  schemaOf(c, 20191127);
  Recordset categories(c.db, "SELECT Top 1 * FROM Project_Kategorien ORDER BY [ID]");
  if (categories.eof()) {
    categories.addNew();
    categories.set("Bezeichnung", Value("Allgemein"));
    categories.update();
  }
  const std::string first = categories["Bezeichnung"].toText();
  run(c, "Update Project set [Kategorie] =  " + SqlQuoted(first) + " where ([Kategorie] IS NULL);");
}

void step20200605(UpgradeContext& c) {
  schemaOf(c, 20200605);
  run(c, "CREATE INDEX IDX_ArtikelID ON Artikel_Bilder (ArtikelID);");
}

void step20201102(UpgradeContext& c) {
  schemaOf(c, 20201102);
  run(c, "CREATE INDEX IDX_ArtikelID ON Vermietung (ArtikelID);");
  run(c, "CREATE INDEX IDX_KundenID ON Vermietung (KundenID);");
  run(c, "CREATE INDEX IDX_BelegID ON Vermietung (BelegID);");
}

void step20201203(UpgradeContext& c) {
  schemaOf(c, 20201203);
  EnsureSystemSetting(c.session, c.db, "SRVon", "01.07.2020");
  EnsureSystemSetting(c.session, c.db, "SRBis", "31.12.2020");
  EnsureSystemSetting(c.session, c.db, "MwStSatzSonderGroß", "16");
  EnsureSystemSetting(c.session, c.db, "MwStSatzSonderKlein", "5");
  run(c, "Update SystemSettings set [SettingValue] = '19' where ([Setting] IN ('MwStSatzGroß'))");
  run(c, "Update SystemSettings set [SettingValue] = '7' where ([Setting] IN ('MwStSatzKlein'))");
}

void step20201209(UpgradeContext& c) {
  schemaOf(c, 20201209);
  run(c, "Update Artikel set [Vermietbar] = 1 WHERE ([Warengruppe] like '%Miet%');");
}

void step20201213(UpgradeContext& c) {
  schemaOf(c, 20201213);
  run(c, "Update Artikel set [StücklistenArtikel] = 0, [MasterArtikel] = 1;");
  for (Recordset rs(c.db, "SELECT Distinct ArtikelID FROM Stuecklisten where (ArtikelID > 0)"); !rs.eof();
       rs.moveNext()) {
    run(c, "Update Artikel set [StücklistenArtikel] = 1, [MasterArtikel] = 0 where ([ID] IN (" +
               std::to_string(rs["ArtikelID"].toInt()) + ")) ;");
  }
}

void step20220509(UpgradeContext& c) {
  schemaOf(c, 20220509);
  ensureTable(c, "Adressen_Dokumente");
  run(c, "CREATE INDEX IDX_AdressenID ON Adressen_Dokumente (AdressenID);");
}

// An index of a search window on `table`. The program's ORDER BY puts Nulls first, as the old
// engines did; the server's indexes keep them last unless told, and an index in another order than
// the query's cannot stand in for the sort.
void searchIndex(UpgradeContext& c, std::string_view table, std::string_view name,
                 std::initializer_list<std::string_view> columns) {
  const bool server = c.db.engine() == SqlEngine::Postgres;
  std::string list;
  for (std::string_view column : columns)
    list += (list.empty() ? "" : ", ") + std::string(column) + (server ? " NULLS FIRST" : "");
  run(c, "CREATE INDEX " + std::string(name) + " ON " + std::string(table) + " (" + list + ");");
}

void addressIndex(UpgradeContext& c, std::string_view name, std::initializer_list<std::string_view> columns) {
  searchIndex(c, "Adressen", name, columns);
}

// Indexes of the address search: number, names, town and postcode are searched by their
// beginning, the phonetic codes by equality; the further columns are the order the hits are
// listed in, so that the engine reads only the first rows of the index range.
void step20261208(UpgradeContext& c) {
  addressIndex(c, "IDX_Adressen_Kundennummer", {"Kundennummer"});
  addressIndex(c, "IDX_Adressen_Name", {"Name", "Vorname"});
  addressIndex(c, "IDX_Adressen_Vorname", {"Vorname"});
  addressIndex(c, "IDX_Adressen_Ort", {"Ort", "Name"});
  addressIndex(c, "IDX_Adressen_PLZ", {"PLZ", "Name"});
  addressIndex(c, "IDX_SoundExName", {"SoundExName", "Name", "Vorname"});
  addressIndex(c, "IDX_SoundExVorname", {"SoundExVorname", "Name", "Vorname"});
}

// Indexes of the article search: number, description and codes are searched by their beginning,
// in the order the hits are listed (with the key, the last column of the order, so that a search
// for any part of number or description walks the index alone); group and supplier narrow the search; a
// supplier's articles are also found through its supplier prices; any part of number and descriptions through
// the trigram index.
void step20261209(UpgradeContext& c) {
  searchIndex(c, "Artikel", "IDX_Artikel_Artikelnummer", {"Artikelnummer", "ID"});
  searchIndex(c, "Artikel", "IDX_Artikel_Bezeichnung1", {"Bezeichnung1", "Artikelnummer", "ID"});
  searchIndex(c, "Artikel", "IDX_Artikel_Barcode", {"Barcode", "Artikelnummer"});
  searchIndex(c, "Artikel", "IDX_Artikel_EAN_Code", {"[EAN-Code]", "Artikelnummer"});
  searchIndex(c, "Artikel", "IDX_Artikel_Warengruppe", {"Warengruppe", "Bezeichnung1", "Artikelnummer"});
  searchIndex(c, "Artikel", "IDX_Artikel_Lieferant", {"Lieferant", "Bezeichnung1", "Artikelnummer"});
  run(c,
      "CREATE INDEX IDX_LieferantenPreise_LieferantenID ON LieferantenPreise (LieferantenID, Artikel_ID);");
  try {
    CreateArticleTextIndex(c.db);
  } catch (const DbError&) {
    // Without the trigram index the infix search reads the whole table, slower but complete.
  }
}

// Steps whose whole content is the columns and tables marked with their stamp.
template <int Stamp>
void schemaOnly(UpgradeContext& c) {
  schemaOf(c, Stamp);
}

}  // namespace

void ensureVersionTable(Session& session, Connection& db) {
  bool exists = true;
  try {
    db.tableSchema("ProgrammVersion");
  } catch (const DbError&) {
    exists = false;
  }
  if (!exists) {
    ExecuteSQL(session, db,
               db.dialect().spelling(
                   "CREATE TABLE [ProgrammVersion] ([ID] [int] IDENTITY(1,1) NOT NULL, [Datum] "
                   "[datetime] NULL, [Version] "
                   "[nvarchar](15) NULL,  CONSTRAINT [PK_ProgrammVersion] PRIMARY KEY CLUSTERED (  "
                   "   [ID] asc )WITH "
                   "(PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
                   "ALLOW_ROW_LOCKS  = ON, "
                   "ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] ) ON [PRIMARY] ",
                   "CREATE TABLE [ProgrammVersion] ([ID] COUNTER PRIMARY KEY, [Datum] Date NULL, "
                   "[Version] TEXT(15) NULL);"));
  }
  EnsureColumn(session, "ProgrammVersion", db, "DatebaseVersion", "Varchar", "", "15");
  // The stamps update the existing row; a database that never had one gets the unstamped one.
  Recordset rs(db, "SELECT Top 1 * FROM ProgrammVersion");
  if (rs.eof()) {
    rs.addNew();
    rs.set("DatebaseVersion", Value("20180101"));
    rs.update();
  }
}

const std::vector<UpgradeStep>& upgradeStepList() {
  static const std::vector<UpgradeStep> steps = {
      {kFirstBlockStamp, firstBlock},   {20190619, step20190619},         {20190620, step20190620},
      {20190904, step20190904},         {20190907, step20190907},         {20191031, step20191031},
      {20191116, schemaOnly<20191116>}, {20191118, step20191118},         {20191119, schemaOnly<20191119>},
      {20191120, schemaOnly<20191120>}, {20191121, step20191121},         {20191122, step20191122},
      {20191123, step20191123},         {20191124, schemaOnly<20191124>}, {20191125, schemaOnly<20191125>},
      {20191126, step20191126},         {20191127, step20191127},         {20200603, schemaOnly<20200603>},
      {20200605, step20200605},         {20201102, step20201102},         {20201104, schemaOnly<20201104>},
      {20201105, schemaOnly<20201105>}, {20201106, schemaOnly<20201106>}, {20201203, step20201203},
      {20201204, schemaOnly<20201204>}, {20201207, schemaOnly<20201207>}, {20201209, step20201209},
      {20201210, schemaOnly<20201210>}, {20201211, schemaOnly<20201211>}, {20201212, schemaOnly<20201212>},
      {20201213, step20201213},         {20210509, schemaOnly<20210509>}, {20210517, schemaOnly<20210517>},
      {20210518, schemaOnly<20210518>}, {20220509, step20220509},         {20220510, schemaOnly<20220510>},
      {20220511, schemaOnly<20220511>}, {20261206, schemaOnly<20261206>}, {20261207, schemaOnly<20261207>},
      {20261208, step20261208},         {20261209, step20261209},         {20261220, schemaOnly<20261220>},
  };
  return steps;
}

}  // namespace orvosal

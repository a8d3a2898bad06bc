#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/schema/table_def.h"
#include "core/text.h"

namespace orvosal {
namespace {

// The all-tables creator, in its order.
constexpr std::array<std::string_view, 100> kCreatorOrder = {
    "Abrechnungszeiten",
    "accounts",
    "Adressen",
    "Aktivitäten",
    "Ansprechpartner",
    "ArtderWaren",
    "Artikel",
    "Artikel_Dokumente",
    "Artikel_Preisstufen",
    "Artikel_to_Kunde",
    "Ausgaben",
    "Auswertungslisten",
    "Autotext",
    "BelegAnlagen",
    "Belegarten",
    "Belegkopf",
    "Belegpositionen",
    "Benutzer",
    "Buchungen",
    "ChartÜbersichten",
    "countries",
    "Dimensionstexte",
    "Einfügesätze",
    "EMailAbrufKonten",
    "EMailkonten",
    "Emails",
    "Ergaenzungen",
    "Files",
    "Find_Nachnamen",
    "Find_Vornamen",
    "Firmendaten",
    "Kategorien",
    "Klassen",
    "Klassen_zu_Kunden",
    "Konten",
    "Kundenlisten",
    "Kurzbrief",
    "Lagerorte",
    "Lagerbuchung",
    "Langtexte",
    "LastOpening",
    "Lieferadressen",
    "LieferantenPreise",
    "Marketing_Status",
    "MerkePreislisten",
    "Nummerkreise",
    "Nummernkreise",
    "Postausgang",
    "Posteingang",
    "Preislisten",
    "Preisstaffeln",
    "ProgrammVersion",
    "Project",
    "Project_Dokumente",
    "Project_Notizen",
    "ProjectLink",
    "Provempfänger",
    "ProvisionsEinstellungen",
    "ProvisionsTabelle",
    "Rabatte",
    "RabattStaffel",
    "RabattToAdressen",
    "Read_Emails",
    "sBank",
    "Schecks",
    "Security",
    "Serienbriefe",
    "SerienNummern",
    "SonderFelder",
    "sPLZ",
    "sSachKto03",
    "sSachKto04",
    "sSchlBez03",
    "sSchlBez04",
    "sStVor03",
    "sStVor04",
    "StandartRabatt",
    "Stornogruende",
    "Struktur",
    "Stuecklisten",
    "SUstVor03",
    "sUstVor04",
    "sVorwahlen",
    "Systemeinstellungen",
    "SystemSettings",
    "Termine",
    "Termingründe",
    "TicketPreise",
    "TicketProducts",
    "Tickets",
    "Übersichten",
    "User_History",
    "userfolder",
    "Versand_Bewegungen",
    "Versandarten",
    "Versandkosten",
    "Wandeln_history",
    "Warengruppe",
    "WarengruppenRabatt",
    "Zahlungsbedingungen",
};

// The tables that only upgrade steps create, with their step.
constexpr std::array<std::pair<std::string_view, int>, 4> kStepTables = {{
    {"Project_Kategorien", 20191127},
    {"Artikel_Bilder", 20200605},
    {"Vermietung", 20201102},
    {"Adressen_Dokumente", 20220509},
}};

// The dated upgrade steps; 20190601 is the first block.
constexpr std::array<int, 37> kUpgradeSteps = {
    20190601, 20190619, 20190620, 20190904, 20190907, 20191031, 20191116, 20191118, 20191119, 20191120,
    20191121, 20191122, 20191123, 20191124, 20191125, 20191126, 20191127, 20200603, 20200605, 20201102,
    20201104, 20201105, 20201106, 20201203, 20201204, 20201207, 20201209, 20201210, 20201211, 20201212,
    20201213, 20210509, 20210517, 20210518, 20220509, 20220510, 20220511,
};

const ColumnDef* findColumn(const TableDef& table, std::string_view name) {
  for (const ColumnDef& column : table.columns) {
    if (column.name == name) return &column;
  }
  return nullptr;
}

// The column of a table that must exist; fails the test when either is missing.
const ColumnDef& column(std::string_view table, std::string_view name) {
  static const ColumnDef missing{};
  const TableDef* def = findTable(table);
  if (def == nullptr) {
    ADD_FAILURE() << "no table " << table;
    return missing;
  }
  const ColumnDef* found = findColumn(*def, name);
  if (found == nullptr) {
    ADD_FAILURE() << "no column " << table << "." << name;
    return missing;
  }
  return *found;
}

size_t columnCount(std::string_view table) {
  const TableDef* def = findTable(table);
  return def == nullptr ? 0 : def->columns.size();
}

TEST(SchemaTables, CountsTheCreatorsTablesAndTheStepTables) {
  EXPECT_EQ(allTables().size(), kCreatorOrder.size() + kStepTables.size());
  size_t columns = 0;
  for (const TableDef& table : allTables()) columns += table.columns.size();
  EXPECT_EQ(columns, 1200u);
}

TEST(SchemaTables, FollowsTheCreatorOrderThenTheSteps) {
  const auto tables = allTables();
  ASSERT_EQ(tables.size(), kCreatorOrder.size() + kStepTables.size());
  for (size_t i = 0; i < kCreatorOrder.size(); ++i) {
    EXPECT_EQ(tables[i].name, kCreatorOrder[i]) << "position " << i;
    EXPECT_EQ(tables[i].createdBy, 0) << tables[i].name;
  }
  for (size_t i = 0; i < kStepTables.size(); ++i) {
    const TableDef& table = tables[kCreatorOrder.size() + i];
    EXPECT_EQ(table.name, kStepTables[i].first);
    EXPECT_EQ(table.createdBy, kStepTables[i].second) << table.name;
  }
}

TEST(SchemaTables, TableNamesAreUniqueEvenWithoutRegardToCase) {
  const auto tables = allTables();
  for (size_t i = 0; i < tables.size(); ++i) {
    for (size_t j = i + 1; j < tables.size(); ++j) {
      EXPECT_FALSE(equalsNoCase(tables[i].name, tables[j].name)) << tables[i].name << " / " << tables[j].name;
    }
  }
}

TEST(SchemaTables, EveryTableHasAKeyAndDistinctColumns) {
  for (const TableDef& table : allTables()) {
    EXPECT_FALSE(table.key.empty()) << table.name;
    EXPECT_FALSE(table.columns.empty()) << table.name;
    std::set<std::string_view> seen;
    for (const ColumnDef& column : table.columns) {
      EXPECT_FALSE(column.name.empty()) << table.name;
      EXPECT_TRUE(seen.insert(column.name).second) << table.name << "." << column.name;
    }
  }
}

TEST(SchemaTables, OnlyKnownColumnsCoincideWithoutRegardToCase) {
  // Pairs that the databases see as one name: the second of each is found by the probe and not added.
  const std::set<std::string> expected = {"Nummernkreise.ID/ID", "Systemeinstellungen.SMTPPort/SmtpPort"};
  std::set<std::string> found;
  for (const TableDef& table : allTables()) {
    for (const ColumnDef& column : table.columns) {
      if (equalsNoCase(column.name, table.key)) {
        found.insert(std::string(table.name) + "." + std::string(table.key) + "/" + std::string(column.name));
      }
    }
    for (size_t i = 0; i < table.columns.size(); ++i) {
      for (size_t j = i + 1; j < table.columns.size(); ++j) {
        if (equalsNoCase(table.columns[i].name, table.columns[j].name)) {
          found.insert(std::string(table.name) + "." + std::string(table.columns[i].name) + "/" +
                       std::string(table.columns[j].name));
        }
      }
    }
  }
  EXPECT_EQ(found, expected);
}

TEST(SchemaTables, SpecialKeyNames) {
  const std::map<std::string_view, std::string_view> special = {
      {"Belegkopf", "BelegID"},         {"Buchungen", "Zähler"},         {"countries", "countries_id"},
      {"Versandarten", "VersandartNr"}, {"Versand_Bewegungen", "VB_id"}, {"Wandeln_history", "id"},
      {"Klassen", "class_id"},          {"Klassen_zu_Kunden", "id"},     {"Marketing_Status", "marketing_id"},
  };
  for (const TableDef& table : allTables()) {
    const auto it = special.find(table.name);
    EXPECT_EQ(table.key, it == special.end() ? std::string_view("ID") : it->second) << table.name;
  }
}

TEST(SchemaTables, TypeWordsAndSizes) {
  const std::set<std::string_view> sized = {"VARCHAR", "DEZIMAL"};
  const std::set<std::string_view> plain = {"INT", "SMALLINT", "MONEY",    "TEXT",
                                            "BIT", "DATE",     "DATETIME", "FLOAT"};
  for (const TableDef& table : allTables()) {
    for (const ColumnDef& column : table.columns) {
      if (sized.contains(column.typeWord)) {
        EXPECT_FALSE(column.size.empty()) << table.name << "." << column.name;
      } else {
        EXPECT_TRUE(plain.contains(column.typeWord)) << table.name << "." << column.name;
        EXPECT_TRUE(column.size.empty()) << table.name << "." << column.name;
      }
    }
  }
}

TEST(SchemaTables, NoInitialValueOnBitDateAndFloat) {
  const std::set<std::string_view> without = {"BIT", "DATE", "DATETIME", "FLOAT"};
  const std::set<std::string_view> numeric = {"INT", "SMALLINT", "MONEY", "DEZIMAL"};
  for (const TableDef& table : allTables()) {
    for (const ColumnDef& column : table.columns) {
      if (without.contains(column.typeWord)) {
        EXPECT_TRUE(column.initial.empty()) << table.name << "." << column.name;
      }
      // Every number column starts at 0, or 1 for rights and flags that stay on.
      if (numeric.contains(column.typeWord)) {
        EXPECT_TRUE(column.initial == "0" || column.initial == "1") << table.name << "." << column.name;
      }
      if (column.typeWord == "VARCHAR") {
        EXPECT_TRUE(column.initial.empty()) << table.name << "." << column.name;
      }
    }
  }
}

TEST(SchemaTables, StampsAreUpgradeSteps) {
  for (const TableDef& table : allTables()) {
    for (const ColumnDef& column : table.columns) {
      EXPECT_TRUE(column.addedBy == 0 || std::ranges::binary_search(kUpgradeSteps, column.addedBy))
          << table.name << "." << column.name << " " << column.addedBy;
      if (table.createdBy != 0) {
        // A table of a step has no column older than itself.
        EXPECT_GE(column.addedBy, table.createdBy) << table.name << "." << column.name;
      }
    }
    if (table.createdBy != 0) {
      EXPECT_TRUE(std::ranges::binary_search(kUpgradeSteps, table.createdBy)) << table.name;
    }
  }
}

TEST(SchemaTables, FirstUpgradeBlockColumns) {
  std::set<std::string> block;
  for (const TableDef& table : allTables()) {
    for (const ColumnDef& column : table.columns) {
      if (column.addedBy != 0 && column.addedBy <= 20190601) {
        block.insert(std::string(table.name) + "." + std::string(column.name));
      }
    }
  }
  EXPECT_EQ(block, (std::set<std::string>{"Nummernkreise.ID", "Systemeinstellungen.SmtpPort"}));
}

TEST(SchemaTables, StampedColumns) {
  struct Case {
    std::string_view table;
    std::string_view column;
    int step;
  };
  const Case cases[] = {
      {"Adressen", "OLUmsatzt", 20191120},
      {"Adressen", "EigenumsatzAlt", 20191120},
      {"Artikel", "DossraPath", 20191119},
      {"Artikel", "KeineLagerbuchung", 20191124},
      {"Artikel", "Vermietbar", 20201106},
      {"Artikel", "MasterArtikel", 20201209},
      {"Artikel", "StücklistenArtikel", 20201212},
      {"Warengruppe", "Produktsuche", 20220509},
      {"Belegarten", "NoLagerCheck", 20200603},
      {"Belegarten", "VermietSystem", 20201105},
      {"Belegkopf", "Vermietet_Von", 20201104},
      {"Belegkopf", "Vermietung_Beendet", 20201207},
      {"Belegpositionen", "IstMenge", 20210509},
      {"Lagerbuchung", "Notiz", 20210518},
      {"Versand_Bewegungen", "BelegPosID", 20210509},
      {"Versand_Bewegungen", "Notiz", 20210517},
      {"Lagerorte", "LagerPruefung", 20191125},
      {"Project", "Kategorie", 20191127},
      {"Vermietung", "Erledigt", 20201203},
      {"Vermietung", "EndDatum", 20201211},
      {"Adressen_Dokumente", "Art", 20220510},
      {"Artikel_Bilder", "FilePath", 20200605},
      {"Adressen", "DossraPath", 0},
      {"Belegkopf", "Quell_BelegNummer", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(column(c.table, c.column).addedBy, c.step) << c.table << "." << c.column;
}

TEST(SchemaTables, SpotChecksOfSpellingsTypesAndInitialValues) {
  struct Case {
    std::string_view table;
    std::string_view column;
    std::string_view typeWord;
    std::string_view size;
    std::string_view initial;
  };
  const Case cases[] = {
      {"ProgrammVersion", "DatebaseVersion", "VARCHAR", "15", ""},
      {"ProgrammVersion", "Datum", "DATE", "", ""},
      {"Buchungen", "ID", "INT", "", "0"},
      {"Buchungen", "MWSTHöhe", "MONEY", "", "0"},
      {"Belegkopf", "Belegart", "INT", "", "0"},
      {"Belegkopf", "Schlußtext", "TEXT", "", ""},
      {"Belegkopf", "Telefon_Anprechpartner", "VARCHAR", "50", ""},
      {"Belegkopf", "Activität_Erstellt", "DATE", "", ""},
      {"Belegkopf", "Entfernung", "VARCHAR", "20", ""},
      {"Belegkopf", "ZahlZiel", "VARCHAR", "255", ""},
      {"Belegkopf", "Duplikat", "BIT", "", ""},
      {"Belegarten", "Tpye_Absender", "INT", "", "0"},
      {"Belegarten", "Schlusstext", "TEXT", "", ""},
      {"Belegarten", "Aktiv", "INT", "", "1"},
      {"Belegpositionen", "OrginalPreis", "MONEY", "", "0"},
      {"Belegpositionen", "PosTyp", "VARCHAR", "2", ""},
      {"Belegpositionen", "IstMenge", "FLOAT", "", ""},
      {"Ansprechpartner", "Standart", "INT", "", "0"},
      {"Adressen", "Funk_Anprechpartner", "VARCHAR", "50", ""},
      {"Adressen", "Straße", "VARCHAR", "50", ""},
      {"Adressen", "NichtPrüfen", "INT", "", "0"},
      {"Adressen", "Land", "VARCHAR", "64", ""},
      {"Artikel", "Empfohlener Verkaufspreis", "MONEY", "", "0"},
      {"Artikel", "EAN-Code", "VARCHAR", "70", ""},
      {"Artikel", "Bestand", "DEZIMAL", "18,4", "0"},
      {"Artikel", "Langtext", "TEXT", "", "0"},
      {"Artikel", "Verarbeitungskennzeichen", "VARCHAR", "5", ""},
      {"Versand_Bewegungen", "Bestand", "DEZIMAL", "18,4", "0"},
      {"Preisstaffeln", "Wert", "DEZIMAL", "18,0", "0"},
      {"LieferantenPreise", "Bestellummer", "VARCHAR", "50", ""},
      {"Konten", "DM/Euro", "INT", "", "0"},
      {"Konten", "Bankname", "VARCHAR", "27", ""},
      {"Konten", "Bankleitzahl", "VARCHAR", "8", ""},
      {"Lagerbuchung", "Datum", "DATETIME", "", ""},
      {"Lagerorte", "LagerPruefung", "INT", "", "1"},
      {"Benutzer", "Kassenbuch", "INT", "", "1"},
      {"Benutzer", "DeleteAktivität", "INT", "", "1"},
      {"Systemeinstellungen", "WriteUserHsitory", "INT", "", "0"},
      {"Systemeinstellungen", "SecoundLine", "INT", "", "0"},
      {"Systemeinstellungen", "SMTPPort", "VARCHAR", "255", ""},
      {"Systemeinstellungen", "SmtpPort", "VARCHAR", "50", ""},
      {"Systemeinstellungen", "Passwort_Text", "TEXT", "", "0"},
      {"countries", "countries_iso_code_2", "VARCHAR", "3", ""},
      {"Autotext", "Langext", "TEXT", "", ""},
      {"Project", "Bezeichung", "VARCHAR", "50", ""},
      {"Tickets", "Aufragsbeschreibung", "TEXT", "", "0"},
      {"Tickets", "Abrechungsdatum", "VARCHAR", "10", ""},
      {"Tickets", "EndDatum", "DATETIME", "", ""},
      {"TicketPreise", "Kilometerpreis", "DEZIMAL", "18,0", "0"},
      {"Kundenlisten", "TabllenFeld", "INT", "", "0"},
      {"Klassen", "chek_min_value", "BIT", "", ""},
      {"Klassen_zu_Kunden", "class_id", "INT", "", "0"},
      {"sSachKto03", "SachKtoBezeichnung", "VARCHAR", "42", ""},
      {"sUstVor04", "UstVorText", "VARCHAR", "129", ""},
      {"sSchlBez04", "SchlbezBez", "VARCHAR", "22", ""},
      {"Abrechnungszeiten", "Übertragen", "INT", "", "0"},
      {"Einfügesätze", "Einfügetextzeile", "VARCHAR", "50", ""},
      {"Files", "Datum", "VARCHAR", "10", ""},
      {"Emails", "RTFBody", "TEXT", "", "0"},
      {"Adressen_Dokumente", "Dateiname", "VARCHAR", "150", ""},
  };
  for (const Case& c : cases) {
    const ColumnDef& def = column(c.table, c.column);
    EXPECT_EQ(def.typeWord, c.typeWord) << c.table << "." << c.column;
    EXPECT_EQ(def.size, c.size) << c.table << "." << c.column;
    EXPECT_EQ(def.initial, c.initial) << c.table << "." << c.column;
  }
}

TEST(SchemaTables, ColumnOrderAtTheEdgesOfTables) {
  struct Case {
    std::string_view table;
    size_t count;
    std::string_view first;
    std::string_view last;
  };
  const Case cases[] = {
      {"Adressen", 96, "Kundennummer", "EigenumsatzAlt"},
      {"Artikel", 75, "Artikelnummer", "StücklistenArtikel"},
      {"Belegarten", 44, "Belegtitel", "VermietSystem"},
      {"Belegkopf", 118, "Belegart", "Vermietung_Beendet"},
      {"Belegpositionen", 38, "BelegID", "IstDatum"},
      {"Systemeinstellungen", 73, "Druckkopien", "SmtpPort"},
      {"Benutzer", 34, "Name", "Delete_Lieferant"},
      {"Firmendaten", 22, "Name", "MasterPassword"},
      {"Buchungen", 12, "ID", "DatevKonto"},
      {"Nummernkreise", 11, "NextKunde", "ID"},
      {"accounts", 19, "pop3server", "smtpport"},
      {"sSachKto04", 24, "SachKtoNummer", "SachKtoSelbstbehalt"},
      {"Termine", 21, "Datum", "ProjektID"},
      {"Tickets", 19, "AdressenID", "Toleranz"},
      {"Vermietung", 7, "ArtikelID", "EndDatum"},
      {"ProgrammVersion", 3, "Datum", "DatebaseVersion"},
  };
  for (const Case& c : cases) {
    const TableDef* table = findTable(c.table);
    ASSERT_NE(table, nullptr) << c.table;
    ASSERT_EQ(table->columns.size(), c.count) << c.table;
    EXPECT_EQ(table->columns.front().name, c.first) << c.table;
    EXPECT_EQ(table->columns.back().name, c.last) << c.table;
  }
  EXPECT_EQ(columnCount("Serienbriefe"), 1u);
}

TEST(SchemaTables, FindsTablesExactlyThenWithoutRegardToCase) {
  const TableDef* belegkopf = findTable("Belegkopf");
  ASSERT_NE(belegkopf, nullptr);
  EXPECT_EQ(belegkopf->name, "Belegkopf");
  EXPECT_EQ(findTable("BELEGKOPF"), belegkopf);
  EXPECT_EQ(findTable("belegkopf"), belegkopf);
  ASSERT_NE(findTable("chartübersichten"), nullptr);
  EXPECT_EQ(findTable("CHARTÜBERSICHTEN")->name, "ChartÜbersichten");
  ASSERT_NE(findTable("ÜBERSICHTEN"), nullptr);
  EXPECT_EQ(findTable("ÜBERSICHTEN")->name, "Übersichten");
  EXPECT_EQ(findTable("sustvor03")->name, "SUstVor03");
  EXPECT_EQ(findTable("SUSTVOR04")->name, "sUstVor04");
  EXPECT_EQ(findTable("Nummerkreise")->name, "Nummerkreise");
  EXPECT_EQ(findTable("NUMMERNKREISE")->name, "Nummernkreise");
  EXPECT_EQ(findTable("Vermietung")->createdBy, 20201102);
  EXPECT_EQ(findTable("Belegkopf "), nullptr);
  EXPECT_EQ(findTable("Uebersichten"), nullptr);
  EXPECT_EQ(findTable(""), nullptr);
}

}  // namespace
}  // namespace orvosal

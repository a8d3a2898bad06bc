// orvosal-cli doc: documents built, shown, listed, copied and deleted through the document rules,
// on both engines.
#include <gtest/gtest.h>

#include "cli/tests/cli_test_run.h"
#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"

namespace orvosal {
namespace {

using orvosal::testing::CliRun;
using orvosal::testing::runCommandLine;

constexpr const char* kInvoiceType = "3";  // the seeded sales type "Rechnung"

class CliDoc : public orvosal::testing::SeededBothEngines {
 protected:
  CliRun cli(std::vector<std::string> args, const char* answer = nullptr) {
    if (answer != nullptr) args.insert(args.begin(), answer);
    args.insert(args.begin(), {"--home", engine().folder().string()});
    return runCommandLine(args);
  }
  CliRun doc(std::vector<std::string> args, const char* answer = nullptr) {
    args.insert(args.begin(), "doc");
    return cli(std::move(args), answer);
  }
  // Runs a command that must succeed and answers the first line it printed (an ID).
  std::string created(std::vector<std::string> args) {
    const CliRun run = cli(std::move(args));
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out.substr(0, run.out.find_first_of("\t\n"));
  }
  int64_t count(const std::string& table) {
    return Recordset(db(), "SELECT count(*) as Anzahl FROM " + table)["Anzahl"].toInt();
  }
  // An invoice for a new customer, with one free text line; answers its BelegID.
  std::string invoiceWithOneLine() {
    const std::string customer = created({"address", "add", "Name=Hofmann"});
    const std::string id = created({"doc", "new", "--type", kInvoiceType, "--partner", customer});
    created({"doc", "add", id, "--text", "Beratung", "--qty", "1", "--price", "100", "--vat", "2"});
    return id;
  }
};

// The line of a tab-separated table that starts with `key` and a tab, without its line break.
std::string rowOf(const std::string& table, const std::string& key) {
  const size_t start = table.find("\n" + key + "\t");
  if (start == std::string::npos) return "";
  return table.substr(start + 1, table.find('\n', start + 1) - start - 1);
}

TEST_P(CliDoc, AnInvoiceBuiltOnTheCommandLineShowsItsTotals) {
  const std::string customer = created({"address", "add", "Name=Hofmann", "Vorname=Eva"});
  created({"article", "add", "Artikelnummer=A1", "Bezeichnung1=Schraube", "Verkaufspreis1=10", "Mwst=2"});
  created({"article", "add", "Artikelnummer=A2", "Bezeichnung1=Dübel", "Verkaufspreis1=12,35", "Mwst=2"});
  created({"article", "add", "Artikelnummer=A3", "Bezeichnung1=Fachbuch", "Verkaufspreis1=5,99", "Mwst=1"});

  const std::string id =
      created({"doc", "new", "--type", kInvoiceType, "--partner", customer, "--date", "2026-11-30"});
  created({"doc", "add", id, "--article", "A1", "--qty", "3"});  // Pos 1: 30,00 at 19 %
  created({"doc", "add", id, "--article", "A2", "--qty", "2"});  // Pos 2: 24,70 at 19 %
  created({"doc", "add", id, "--article", "A3", "--qty", "4"});  // Pos 3: 23,96 at 7 %
  created({"doc", "add", id, "--text", "Montage", "--qty", "1,5", "--price", "40", "--vat", "2", "--unit",
           "Std"});
  const std::string free = created({"doc", "add", id, "--article", "A1", "--qty", "1", "--no-charge"});
  created({"doc", "add", id, "--special", "ZW", "--lines", "1,2,3,4", "--text", "Zwischensumme Material"});
  // 10 % off positions 1 and 2 (54,70): minus 5,47 at 19 %.
  created(
      {"doc", "add", id, "--special", "AG", "--percent", "10", "--lines", "1,2", "--text", "Treuerabatt"});

  // Every write stored the totals, before any show.
  const Recordset stored(db(), "SELECT NettoPreis, GesamtPreis FROM Belegkopf WHERE BelegID = " + id);
  EXPECT_EQ(stored["NettoPreis"].toCurrency(), Currency::parse("133,19"));
  EXPECT_EQ(stored["GesamtPreis"].toCurrency(), Currency::parse("155,62"));

  // 19 %: 30 + 24,70 + 60 - 5,47 = 109,23, VAT 20,7537; 7 %: 23,96, VAT 1,6772.
  CliRun shown = doc({"show", id});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const std::string totals = "\nNetto\t133,19\nMwSt 7 %\t1,68\nMwSt 19 %\t20,75\nBrutto\t155,62\n";
  EXPECT_TRUE(shown.out.ends_with(totals)) << shown.out;
  for (const char* stored :
       {"\nNettoPreis\t133,19\n", "\nGesamtPreis\t155,62\n", "\nMwst16\t20,75\n", "\nMwst7\t1,68\n",
        "\nBelegdatum\t30.11.2026\n", "\nName\tHofmann\n", "\nVorname\tEva\n"}) {
    EXPECT_NE(shown.out.find(stored), std::string::npos) << stored << shown.out;
  }
  EXPECT_NE(
      shown.out.find("\nID\tPosnummer\tPosTyp\tArtikelnummer\tBezeichnung1\tMenge\tEinheit\tVerkaufsPreis\t"
                     "MwSt\tKeineBerechnung\n"),
      std::string::npos);
  EXPECT_EQ(rowOf(shown.out, "4"), "4\t4\t\t\tMontage\t1,5\tStd\t40,00\t2\t0");
  EXPECT_TRUE(rowOf(shown.out, free).ends_with("\tSchraube\t1\t\t10,00\t2\t1")) << rowOf(shown.out, free);

  // A document discount of 10 % lowers the net and each rate's VAT alike.
  ASSERT_EQ(doc({"set", id, "Rabatt=10"}).status, 0);
  shown = doc({"show", id});
  EXPECT_TRUE(
      shown.out.ends_with("\nNetto\t133,19\nRabatt\t13,32\nNetto nach Rabatt\t119,87\nMwSt 7 %\t1,51\n"
                          "MwSt 19 %\t18,68\nBrutto\t140,06\n"))
      << shown.out;
}

TEST_P(CliDoc, ShippingPartPaymentsAndCashDiscountGetLinesOfTheirOwn) {
  const std::string id = invoiceWithOneLine();
  db().execute(
      "INSERT INTO Versandkosten (Bezeichnung1, Bezeichnung2, EK, VK, Mwst) "
      "VALUES ('Paket', 'bis 5 kg', 4, 6.4, 2)");
  created({"doc", "add", id, "--special", "V", "--shipping", "1"});
  const std::string express = created(
      {"doc", "add", id, "--special", "V", "--text", "Expresszuschlag", "--amount", "10", "--vat", "2"});
  created({"doc", "add", id, "--special", "NS"});
  created({"doc", "add", id, "--special", "TZ", "--amount", "50", "--text", "Anzahlung"});
  ASSERT_EQ(doc({"set", id, "Skonto=2", "ZahlFrist1=2026-12-20"}).status, 0);
  const CliRun shown = doc({"show", id});
  ASSERT_EQ(shown.status, 0) << shown.err;
  // A shipping line of its own is entered like a position and numbered as one.
  EXPECT_EQ(rowOf(shown.out, express), express + "\t2\tV\t\tExpresszuschlag\t1\t\t10,00\t2\t0");
  // Shipping counts as a position of the net: 116,40 with 22,116 VAT.
  EXPECT_TRUE(shown.out.ends_with(
      "\nNetto\t116,40\nMwSt 7 %\t0,00\nMwSt 19 %\t22,12\nBrutto\t138,52\nTeilzahlungen\t50,00\n"
      "Zahlbetrag\t88,52\nSkonto 2 %\t2,77\nSkonto bis\t20.12.2026\n"))
      << shown.out;
}

TEST_P(CliDoc, APurchaseOrderIsPricedAtThePurchasePriceAndListedApart) {
  invoiceWithOneLine();
  const std::string supplier = created({"address", "add", "--supplier", "Name=Holzland"});
  const std::string other = created({"address", "add", "--supplier", "Name=Brettmann"});
  created({"article", "add", "Artikelnummer=B1", "Bezeichnung1=Brett", "Verkaufspreis1=9", "Einkaufspreis=4",
           "Mwst=2"});
  const std::string order = created({"doc", "new", "--type", "4", "--partner", supplier});
  created({"doc", "add", order, "--article", "B1", "--qty", "10"});
  ASSERT_EQ(doc({"set", order, "--partner", other}).status, 0);

  const CliRun shown = doc({"show", order});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("\nName\tBrettmann\n"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("\nKunde\tFalsch\n"), std::string::npos) << shown.out;
  EXPECT_TRUE(shown.out.ends_with("\nNetto\t40,00\nMwSt 7 %\t0,00\nMwSt 19 %\t7,60\nBrutto\t47,60\n"))
      << shown.out;

  const std::string purchases = doc({"list", "--purchase"}).out;
  EXPECT_NE(rowOf(purchases, order).find("\tBestellung\t"), std::string::npos) << purchases;
  EXPECT_EQ(rowOf(purchases, "1"), "");
  const std::string sales = doc({"list"}).out;
  EXPECT_EQ(rowOf(sales, order), "");
  EXPECT_NE(rowOf(sales, "1"), "") << sales;
}

TEST_P(CliDoc, ListCopyAndDelete) {
  const std::string id = invoiceWithOneLine();
  const CliRun copied = doc({"copy", id});
  ASSERT_EQ(copied.status, 0) << copied.err;
  const std::string copy = copied.out.substr(0, copied.out.find('\n'));
  EXPECT_NE(copy, id);
  EXPECT_EQ(count("Belegpositionen"), 2);

  const CliRun listed = doc({"list", "--type", kInvoiceType, "--search", "hofmann"});
  ASSERT_EQ(listed.status, 0) << listed.err;
  EXPECT_TRUE(
      listed.out.starts_with("BelegID\tBelegnummer\tDatum\tBelegart\tKundennummer\tName\tNetto\tBrutto\t"
                             "Status\n"))
      << listed.out;
  for (const std::string& shownId : {id, copy}) {
    const std::string row = rowOf(listed.out, shownId);
    EXPECT_NE(row.find("\tRechnung\t1\tHofmann"), std::string::npos) << listed.out;
    EXPECT_TRUE(row.ends_with("\t100,00\t119,00\toffen")) << row;
  }
  // On a terminal the subtotal's text is asked for; an empty answer takes the proposal.
  const CliRun asked = runCommandLine(
      {"--home", engine().folder().string(), "doc", "add", id, "--special", "ZW", "--lines", "1"}, "\n");
  ASSERT_EQ(asked.status, 0) << asked.err;
  EXPECT_NE(asked.err.find("Text für Zwischensumme angeben [Zwischensumme für 100,00]"), std::string::npos)
      << asked.err;
  EXPECT_EQ(count("Belegpositionen"), 3);

  const std::string none = doc({"list", "--search", "Keller"}).out;
  EXPECT_EQ(none.find('\n') + 1, none.size()) << none;  // the header line alone

  EXPECT_EQ(doc({"delete", copy}).status, 1);  // not confirmed without a terminal
  EXPECT_EQ(count("Belegkopf"), 2);
  EXPECT_EQ(doc({"delete", copy}, "--yes").status, 0);
  EXPECT_EQ(count("Belegkopf"), 1);
  EXPECT_EQ(count("Belegpositionen"), 2);  // the original's line and subtotal
}

TEST_P(CliDoc, ADoneDocumentRefusesChangesUntilTheMasterPasswordUnlocksIt) {
  const std::string id = invoiceWithOneLine();
  db().execute("UPDATE Belegkopf SET Erledigt = 1 WHERE BelegID = " + id);
  db().execute("UPDATE Firmendaten SET MasterPassword = 'Geheim'");

  const CliRun refused = doc({"add", id, "--text", "Nachtrag", "--qty", "1", "--price", "5", "--vat", "2"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Position kann nicht mehr gespeichert werden!"), std::string::npos)
      << refused.err;
  const CliRun wrong = doc(
      {"add", id, "--text", "Nachtrag", "--qty", "1", "--price", "5", "--vat", "2", "--unlock", "geheim"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(count("Belegpositionen"), 1);
  const CliRun header = doc({"set", id, "Bemerkung=Nachtrag"});
  EXPECT_EQ(header.status, 1);
  EXPECT_NE(header.err.find("Beleg ist erledigt und kann nicht mehr gespeichert werden!"), std::string::npos)
      << header.err;

  const CliRun unlocked = doc(
      {"add", id, "--text", "Nachtrag", "--qty", "1", "--price", "5", "--vat", "2", "--unlock", "Geheim"});
  EXPECT_EQ(unlocked.status, 0) << unlocked.err;
  EXPECT_EQ(count("Belegpositionen"), 2);

  const CliRun kept = doc({"delete", id}, "--yes");
  EXPECT_EQ(kept.status, 1);
  EXPECT_NE(kept.err.find(" Position kann nicht gelöscht werden!"), std::string::npos) << kept.err;
  EXPECT_EQ(count("Belegkopf"), 1);
  const CliRun deleted = doc({"delete", id, "--unlock", "Geheim"}, "--yes");
  EXPECT_EQ(deleted.status, 0) << deleted.err;
  EXPECT_EQ(count("Belegkopf"), 0);
}

TEST_P(CliDoc, EachActionNeedsItsRight) {
  const std::string id = invoiceWithOneLine();
  const struct {
    const char* right;
    std::vector<std::string> args;
  } cases[] = {
      {"Rechnungen", {"show", id}},
      {"Rechnungen", {"list"}},
      {"Rechnungen", {"new", "--type", kInvoiceType, "--partner", "1"}},
      {"Change_Beleg", {"set", id, "Rabatt=5"}},
      {"Change_Beleg", {"new", "--type", kInvoiceType, "--partner", "1"}},
      {"Change_Items", {"add", id, "--text", "Nachtrag", "--qty", "1", "--price", "5", "--vat", "2"}},
      {"Delete_Items", {"delete", id}},
  };
  for (const auto& c : cases) {
    db().execute(std::string("UPDATE Benutzer SET [") + c.right + "] = 0");
    const CliRun run = doc(c.args, "--yes");
    EXPECT_EQ(run.status, 1) << c.right << " " << c.args.front();
    EXPECT_NE(run.err.find("Keine Berechtigung für diesen Programmteil"), std::string::npos) << run.err;
    db().execute(std::string("UPDATE Benutzer SET [") + c.right + "] = 1");
  }
  EXPECT_EQ(count("Belegkopf"), 1);
  EXPECT_EQ(count("Belegpositionen"), 1);
  EXPECT_EQ(Recordset(db(), "SELECT Rabatt FROM Belegkopf")["Rabatt"].toCurrency(), Currency());
}

TEST_P(CliDoc, WrongCommandLinesAndBadInputChangeNothing) {
  const std::string id = invoiceWithOneLine();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {{"add", id}, 2, "doc add braucht --article, --text oder --special."},
      {{"add", id, "--article", "A1"}, 2, "doc add --article braucht --qty."},
      {{"add", id, "--article", "A1", "--qty", "1", "--vat", "2"},
       2,
       "--vat gilt nicht für doc add --article."},
      {{"add", id, "--text", "x", "--qty", "1", "--price", "1"}, 2, "doc add --text braucht --vat."},
      {{"add", id, "--text", "x", "--qty", "1", "--price", "1", "--vat", "3"}, 2, "--vat ist 0 (ohne MwSt)"},
      {{"add", id, "--text", "x", "--qty", "eins", "--price", "1", "--vat", "2"},
       2,
       "--qty braucht eine Zahl: eins"},
      {{"add", id, "--special", "XY"}, 2, "Unbekannte Sonderposition: XY"},
      {{"add", id, "--special", "AG", "--lines", "1"}, 2, "doc add --special AG braucht --percent."},
      {{"add", id, "--special", "NS", "--percent", "5"}, 2, "--percent gilt nicht für doc add --special NS."},
      {{"add", id, "--special", "ZW", "--lines", "1,,2"}, 2, "--lines braucht Positionsnummern"},
      {{"add", id, "--special", "V"}, 2, "doc add --special V braucht --text."},
      {{"new", "--type", kInvoiceType}, 2, "doc new braucht --partner."},
      {{"new", "--type", "x", "--partner", "1"}, 2, "--type braucht eine ID: x"},
      {{"new", "--type", kInvoiceType, "--partner", "1", "--date", "2026-02-30"},
       2,
       "--date braucht ein Datum"},
      {{"show"}, 2, "doc show braucht die ID des Belegs."},
      {{"show", id, "2"}, 2, "doc show nimmt genau eine ID."},
      {{"set", id}, 2, "doc set braucht mindestens eine Angabe."},
      {{"set", id, "Rabatt"}, 2, "Keine Angabe der Form Spalte=Wert: Rabatt"},
      {{"list", "--form", "plain"}, 2, "--form gilt nicht für doc list."},
      {{"copy", id, "--form", "deep"}, 2, "--form ist plain, with-stock oder without-stock: deep"},
      {{"rename", id}, 2, "Unbekannte Aktion für doc: rename"},
      {{"show", "99"}, 1, "Kein Beleg mit der ID 99."},
      {{"new", "--type", "99", "--partner", "1"}, 1, "Keine Belegart mit der ID 99."},
      {{"new", "--type", kInvoiceType, "--partner", "99"}, 1, "Keine Adresse mit der ID 99."},
      {{"new", "--type", kInvoiceType, "--partner", "1", "Farbe=rot"},
       1,
       "Unbekannte Spalte der Belege: Farbe"},
      {{"set", id, "Rabatt=viel"}, 1, "Der Wert passt nicht in die Spalte Rabatt: viel"},
      {{"add", id, "--article", "NOPE", "--qty", "1"}, 1, "Kein Artikel mit der Artikelnummer NOPE."},
      {{"add", id, "--special", "ZW", "--lines", "9"},
       1,
       "Keine Position mit der Nummer 9 im Beleg " + id + "."},
      {{"add", id, "--special", "AF", "--percent", "5"}, 1, "Fehler, es sind keine Positionen markiert"},
  };
  for (const Case& c : cases) {
    const CliRun run = doc(c.args);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(count("Belegkopf"), 1);
  EXPECT_EQ(count("Belegpositionen"), 1);
  EXPECT_EQ(Recordset(db(), "SELECT Rabatt FROM Belegkopf")["Rabatt"].toCurrency(), Currency());
}

ORVOSAL_ON_BOTH_ENGINES(CliDoc);

}  // namespace
}  // namespace orvosal

// The table of orvosal-cli's commands; see command_registry.h for the conventions of a row.
#include "cli/address_command.h"
#include "cli/article_command.h"
#include "cli/bank_commands.h"
#include "cli/command_registry.h"
#include "cli/company_command.h"
#include "cli/copy_to_server_command.h"
#include "cli/create_db_command.h"
#include "cli/doc_command.h"
#include "cli/einvoice_command.h"
#include "cli/layouts_command.h"
#include "cli/next_number_command.h"
#include "cli/price_import_command.h"
#include "cli/print_command.h"
#include "cli/qr_command.h"
#include "cli/settings_command.h"
#include "cli/sql_command.h"
#include "cli/status_command.h"
#include "cli/types_command.h"
#include "cli/upgrade_command.h"

namespace orvosal {

const std::vector<CliCommand>& cliCommands() {
  static const std::vector<CliCommand> commands = {
      {.name = "status",
       .synopses = {},
       .description = "Programmordner, Datenbank und Version anzeigen",
       .needsSignIn = true,
       .options = {},
       .minPositional = 0,
       .maxPositional = 0,
       .run = runStatus},
      {.name = "sql",
       .synopses = {"\"ANWEISUNG\""},
       .description = "Genau eine SQL-Anweisung auf der Datenbank ausführen; Abfragen werden\n"
                      "tabulatorgetrennt mit Kopfzeile ausgegeben, sonst die Zahl der\n"
                      "geänderten oder kopierten Datensätze",
       .needsSignIn = true,
       .options = {},
       .minPositional = 1,
       .maxPositional = 1,
       .checkArguments = checkSqlArguments,
       .run = runSql},
      {.name = "types",
       .synopses = {},
       .description = "Belegarten beider Bereiche mit Index (Belegart), Formular, Aktiv und\n"
                      "Herkunft der Belegnummer tabulatorgetrennt auflisten",
       .needsSignIn = true,
       .options = {},
       .minPositional = 0,
       .maxPositional = 0,
       .run = runTypes},
      {.name = "layouts",
       .synopses = {"list", "check DATEI"},
       .description = "Die Formulare im Ordner „Formulare“ des Programmordners mit Art (LST, LBL,\n"
                      "CRD) und Titel auflisten, oder ein Formular prüfen: die erste Fehlermeldung\n"
                      "mit Datei und Zeile (Rückgabewert 1) oder „in Ordnung“",
       .needsSignIn = false,
       .options = {},
       .minPositional = 1,
       .maxPositional = 2,
       .checkArguments = checkLayoutsArguments,
       .run = runLayouts},
      {.name = "upgrade",
       .synopses = {},
       .description = "Tabellen anlegen, Grunddaten ergänzen und alle fälligen\n"
                      "Datenbankanpassungen ausführen; meldet, was getan wurde",
       .needsSignIn = false,
       .options = {},
       .minPositional = 0,
       .maxPositional = 0,
       .run = runUpgrade},
      {.name = "create-db",
       .synopses = {"--sqlite ORDNER [--title TITEL]",
                    "--server HOST[:PORT] --database NAME [--user BENUTZER --password KENNWORT]\n"
                    "            [--title TITEL]"},
       .description = "Neue Datenbankdatei Data.mdb mit allen Tabellen im Ordner anlegen oder\n"
                      "neue Datenbank auf dem Datenbankserver anlegen und mit Tabellen und\n"
                      "Grunddaten füllen; mit --title als neuer Datenbankeintrag in system.ini\n"
                      "(beim Server immer); ohne --user meldet sich der Betriebssystembenutzer\n"
                      "an; ohne --password gilt ORVOSAL_PASSWORD",
       .needsSignIn = false,
       .options = {{"--sqlite", "ORDNER", ""},
                   {"--server", "HOST[:PORT]", ""},
                   {"--database", "NAME", ""},
                   {"--user", "BENUTZER", ""},
                   {"--password", "KENNWORT", ""},
                   {"--title", "TITEL", ""}},
       .minPositional = 0,
       .maxPositional = 0,
       .run = runCreateDb},
      {.name = "copy-to-server",
       .synopses = {"--db N"},
       .description = "Die Datenbankdatei (Datenbank nach --db vor dem Befehl, sonst 1) in die\n"
                      "Serverdatenbank des Eintrags N übertragen",
       .needsSignIn = false,
       .options = {{"--db", "N", ""}},
       .minPositional = 0,
       .maxPositional = 0,
       .run = runCopyToServer},
      {.name = "einvoice",
       .synopses = {"--doc ID --syntax ubl|cii|zugferd --out DATEI"},
       .description = "Die E-Rechnung eines Belegs schreiben: XRechnung (UBL oder CII) oder das\n"
                      "CII von ZUGFeRD (Profil EN 16931); fehlende Angaben werden einzeln genannt\n"
                      "und es wird nichts geschrieben",
       .needsSignIn = true,
       .options = {{"--doc", "ID", ""}, {"--syntax", "ubl|cii|zugferd", ""}, {"--out", "DATEI", ""}},
       .minPositional = 0,
       .maxPositional = 0,
       .checkArguments = checkEInvoiceArguments,
       .run = runEInvoice},
      {.name = "next-number",
       .synopses = {"--type ID [--preview]", "--range ID [--preview]"},
       .description = "Die nächste Belegnummer der Belegart oder des Nummernkreises ausgeben und\n"
                      "vergeben (der Zähler rückt weiter); mit --preview nur anzeigen",
       .needsSignIn = true,
       .options = {{"--type", "ID", ""}, {"--range", "ID", ""}, {"--preview", "", ""}},
       .minPositional = 0,
       .maxPositional = 0,
       .checkArguments = checkNextNumberArguments,
       .run = runNextNumber},
      {.name = "print",
       .synopses = {"--doc ID AUSGABE [--zugferd]",
                    "--list documents [--type ID] [--partner ID] [--search TEXT] [--purchase] AUSGABE",
                    "--list addresses|labels [--customer|--supplier] [--search TEXT] AUSGABE",
                    "--list articles [--search TEXT] [--group WARENGRUPPE] AUSGABE"},
       .description = "Einen Beleg drucken: ein Beleg ohne Nummer erhält sie zuvor, danach gilt er als\n"
                      "gedruckt. Listen über ihr Formular drucken: --list LISTE ist documents (die\n"
                      "Belegliste, Belegliste.lst), addresses (Adressliste.lst), labels\n"
                      "(Adressetiketten.lbl) oder articles (Artikelliste.lst), mit den Filtern der\n"
                      "list-Befehle: --purchase druckt den Einkauf, --customer nur Kunden,\n"
                      "--supplier nur Lieferanten. AUSGABE ist --pdf DATEI [--pdf-password KENNWORT]\n"
                      "[--pdf-owner-password KENNWORT], --png DATEI oder --printer NAME\n"
                      "[--copies ANZAHL]; --preview ist auf der Kommandozeile nicht möglich. Eine\n"
                      "Rechnung als PDF trägt die E-Rechnung im Format des Kunden (ZUGFeRD in der\n"
                      "PDF-Datei, XRechnung als XML-Datei daneben), mit --zugferd immer ZUGFeRD",
       .needsSignIn = true,
       .options = printCommandOptions(),
       .minPositional = 0,
       .maxPositional = 0,
       .checkArguments = checkPrintArguments,
       .run = runPrint},
      {.name = "address",
       .synopses = {"add [--customer|--supplier] SPALTE=WERT ... [--set SPALTE=WERT ...]", "show ID",
                    "set ID SPALTE=WERT ... [--set SPALTE=WERT ...]",
                    "list [--customer|--supplier] [--search TEXT]", "delete ID",
                    "export-vcf --out VERZEICHNIS [--customer|--supplier] [ID...]",
                    "import-vcf [--customer|--supplier] DATEI..."},
       .description = "Kunden und Lieferanten anlegen, anzeigen, ändern, auflisten und löschen,\n"
                      "mit den Regeln des Adressfensters (Nummer, Dublettenprüfung, Rechte);\n"
                      "add und set geben ID und Kundennummer aus; --yes speichert trotz\n"
                      "möglicher Dublette, --no (Vorgabe ohne Terminal) nicht;\n"
                      "export-vcf schreibt je Adresse (die IDs oder alle der Art: mit\n"
                      "--customer Kunden, die Vorgabe, mit --supplier Lieferanten) eine\n"
                      "VCard-Datei und gibt die Dateinamen aus; import-vcf liest alle Dateien\n"
                      "und legt sie als neue Adressen an (keine, wenn eine Datei fehlerhaft ist)",
       .needsSignIn = true,
       .options = {{"--set", "SPALTE=WERT", "", true},
                   {"--customer", "", "Kunden (Vorgabe beim Anlegen)"},
                   {"--supplier", "", "Lieferanten"},
                   {"--search", "TEXT", "Nummer, Name, Vorname oder Ort enthält TEXT"},
                   {"--out", "VERZEICHNIS", "Verzeichnis für die VCard-Dateien"}},
       .minPositional = 1,
       // import-vcf takes every file of an exported folder, thousands of them.
       .maxPositional = 100000,
       .checkArguments = checkAddressArguments,
       .run = runAddress},
      {.name = "article",
       .synopses = {"add SPALTE=WERT ... [--set SPALTE=WERT ...]", "show ID", "show --number NUMMER",
                    "set ID SPALTE=WERT ... [--set SPALTE=WERT ...]", "list [--search TEXT]", "copy ID",
                    "delete ID"},
       .description = "Artikel anlegen, anzeigen, ändern, auflisten, kopieren und löschen, mit den\n"
                      "Regeln des Artikelfensters (Nummer, Preisstufen, Rechte); add, set und copy\n"
                      "geben ID und Artikelnummer aus; --yes beantwortet die Rückfragen (Nummer\n"
                      "schon vergeben, Preisstufen anpassen, löschen) mit Ja, --no (Vorgabe ohne\n"
                      "Terminal) mit Nein",
       .needsSignIn = true,
       .options = {{"--set", "SPALTE=WERT", "", true},
                   {"--number", "NUMMER", "Artikelnummer statt ID"},
                   {"--search", "TEXT", "Artikelnummer oder eine Bezeichnung enthält TEXT"}},
       .minPositional = 1,
       .maxPositional = 1000,
       .checkArguments = checkArticleArguments,
       .run = runArticle},
      {.name = "doc",
       .synopses =
           {"new --type ID --partner ID [--date JJJJ-MM-TT] [SPALTE=WERT ...] [--set SPALTE=WERT ...]",
            "add ID --article NUMMER --qty MENGE [--price PREIS] [--no-charge]",
            "add ID --text TEXT --qty MENGE --price PREIS --vat 0|1|2 [--unit EINHEIT] [--no-charge]",
            "add ID --special ZW [--lines POS,...] [--text TEXT] [--vat 0|1|2]",
            "add ID --special AG|AF --percent PROZENT [--lines POS,...] [--text TEXT] [--vat 0|1|2]",
            "add ID --special V --shipping ID | --special V --text TEXT --amount BETRAG [--vat 0|1|2]",
            "add ID --special TZ --amount BETRAG [--text TEXT]", "add ID --special NS",
            "set ID SPALTE=WERT ... [--set SPALTE=WERT ...] [--partner ID] [--date JJJJ-MM-TT]", "show ID",
            "list [--type ID] [--partner ID] [--search TEXT] [--purchase]", "delete ID [--unlock KENNWORT]",
            "copy ID [--form plain|with-stock|without-stock]"},
       .description = "Belege anlegen, mit Positionen füllen, ändern, anzeigen, auflisten, löschen und\n"
                      "duplizieren, mit den Regeln des Belegfensters (Rechte, Sperre erledigter Belege,\n"
                      "Preisermittlung, Summen); new gibt die BelegID aus, add die ID der Position,\n"
                      "copy die BelegID des Duplikats; Preise sind Nettopreise; --no-charge fügt eine\n"
                      "Position ohne Berechnung ein; --special ART ist ZW (Zwischensumme), NS\n"
                      "(Seitenumbruch), V (Versandkosten), AG (Abgebot), AF (Aufschlag) oder TZ\n"
                      "(Teilzahlung); --lines nennt die markierten Positionen mit ihren\n"
                      "Positionsnummern (Spalte Posnummer von show); ZW ohne --text fragt nach dem\n"
                      "Text; list zeigt den Verkauf, mit --purchase den Einkauf; --form FORM ist plain,\n"
                      "with-stock (mit Lieferbestand) oder without-stock; --yes beantwortet die\n"
                      "Rückfragen (Beleg löschen, Bestelllimit, Leerzeile) mit Ja, --no (Vorgabe ohne\n"
                      "Terminal) mit Nein; --unlock mit dem Masterkennwort ergänzt oder löscht auch\n"
                      "einen erledigten Beleg",
       .needsSignIn = true,
       .options = {{"--type", "ID", "Belegart (ID der Belegarten)"},
                   {"--partner", "ID", "Kunde oder Lieferant (ID der Adressen)"},
                   {"--date", "JJJJ-MM-TT", "Belegdatum"},
                   {"--set", "SPALTE=WERT", "", true},
                   {"--article", "NUMMER", "Artikelnummer"},
                   {"--qty", "MENGE", "Menge"},
                   {"--price", "PREIS", "Einzelpreis netto (beim Artikel statt des ermittelten)"},
                   {"--text", "TEXT", "Bezeichnung der Position"},
                   {"--vat", "0|1|2",
                    "MwSt-Gruppe: 0 ohne, 1 ermäßigt, 2 voll (Vorgabe bei Sonderpositionen)"},
                   {"--unit", "EINHEIT", "Einheit"},
                   {"--no-charge", "", "Position ohne Berechnung"},
                   {"--special", "ART", "Sonderposition ZW, NS, V, AG, AF oder TZ"},
                   {"--percent", "PROZENT", "Abgebot oder Aufschlag in Prozent"},
                   {"--lines", "POS,...", "markierte Positionen (Positionsnummern)"},
                   {"--amount", "BETRAG", "Betrag der Teilzahlung oder der Versandkosten (netto)"},
                   {"--shipping", "ID", "Zeile der Versandkosten"},
                   {"--search", "TEXT", "Belegnummer, Name, Kundennummer oder Text enthält TEXT"},
                   {"--purchase", "", "Belege des Einkaufs statt des Verkaufs"},
                   {"--form", "FORM", "Duplikat: plain, with-stock (mit Lieferbestand), without-stock"},
                   {"--unlock", "KENNWORT", "Masterkennwort für einen erledigten Beleg"}},
       .minPositional = 1,
       .maxPositional = 1000,
       .checkArguments = checkDocArguments,
       .run = runDoc},
      {.name = "prices",
       .synopses = {"import DATEI --number-column SPALTE --price-column SPALTE --target ZIEL\n"
                    "            [--supplier ID] [--skip-unknown] [--dry-run] [--no-header]\n"
                    "            [--separator ZEICHEN] [--encoding KODIERUNG] [--sheet BLATT]"},
       .description = "Einkaufs-, Verkaufs- oder Lieferantenpreise aus einer CSV-Datei oder\n"
                      "Arbeitsmappe (.xlsx) übernehmen: SPALTE ist die Überschrift, der\n"
                      "Spaltenbuchstabe oder die Spaltennummer (ab 1); ZIEL ist Einkaufspreis,\n"
                      "Verkaufspreis1 bis Verkaufspreis9 oder Lieferantenpreis (mit --supplier);\n"
                      "gibt Artikelnummer, alten und neuen Preis tabulatorgetrennt aus; eine\n"
                      "fehlerhafte Zeile oder unbekannte Artikelnummer ändert nichts;\n"
                      "--skip-unknown überspringt unbekannte Artikelnummern;\n"
                      "--dry-run zeigt nur, was sich ändern würde;\n"
                      "--no-header liest schon die erste Zeile als Preiszeile;\n"
                      "ZEICHEN ist ; , oder tab und KODIERUNG utf-8 oder windows-1252\n"
                      "(ohne diese Angaben werden sie erkannt); ohne --sheet gilt das erste Blatt",
       .needsSignIn = true,
       .options = {{"--number-column", "SPALTE", "Spalte der Artikelnummer"},
                   {"--price-column", "SPALTE", "Spalte des Preises"},
                   {"--target", "ZIEL", ""},
                   {"--supplier", "ID", "Lieferant beim Ziel Lieferantenpreis"},
                   {"--skip-unknown", "", "unbekannte Artikelnummern überspringen"},
                   {"--dry-run", "", "nichts speichern"},
                   {"--no-header", "", "die erste Zeile enthält schon Preise"},
                   {"--separator", "ZEICHEN", "Trennzeichen der CSV-Datei (sonst erkannt)"},
                   {"--encoding", "KODIERUNG", "Zeichenkodierung der CSV-Datei (sonst erkannt)"},
                   {"--sheet", "BLATT", "Tabellenblatt der Arbeitsmappe (sonst das erste)"}},
       .minPositional = 1,
       .maxPositional = 2,
       .checkArguments = checkPriceImportArguments,
       .run = runPriceImport},
      {.name = "company",
       .synopses = {"show", "set SPALTE=WERT ... [--set SPALTE=WERT ...]"},
       .description = "Firmendaten anzeigen (Spalte und Wert, tabulatorgetrennt) oder ändern;\n"
                      "braucht das Recht System; Logo=DATEI kopiert das Bild in den\n"
                      "Programmordner; gibt die ID der Firmendaten aus",
       .needsSignIn = true,
       .options = {{"--set", "SPALTE=WERT", "", true}},
       .minPositional = 1,
       .maxPositional = 1000,
       .checkArguments = checkCompanyArguments,
       .run = runCompany},
      {.name = "settings",
       .synopses = {"show", "set NAME=WERT ... [--set NAME=WERT ...]"},
       .description = "Die Einstellungen für Belege und Druck anzeigen (Name und Wert,\n"
                      "tabulatorgetrennt) oder ändern: automatische Nummern, Steuersätze und\n"
                      "Sonderregelung, Zahlungsziel, Druckkopien, Mahnstufen; braucht das Recht System",
       .needsSignIn = true,
       .options = {{"--set", "NAME=WERT", "", true}},
       .minPositional = 1,
       .maxPositional = 1000,
       .checkArguments = checkSettingsArguments,
       .run = runSettings},
      {.name = "iban",
       .synopses = {"IBAN..."},
       .description = "IBANs prüfen: je IBAN eine Zeile IBAN, gültig (ja/nein), BIC und Bank\n"
                      "(bei deutschen IBANs aus den Bankleitzahlen), tabulatorgetrennt;\n"
                      "Rückgabewert 1, wenn eine IBAN ungültig ist",
       .needsSignIn = true,
       .options = {},
       .minPositional = 1,
       .maxPositional = 1000,
       .run = runIban},
      {.name = "banks",
       .synopses = {"import [DATEI]"},
       .description = "Die Bankleitzahlen durch das deutsche Bankverzeichnis ersetzen (ohne\n"
                      "DATEI das des Pakets libaqbanking-data) und die Zahl der Banken\n"
                      "ausgeben; braucht das Recht System",
       .needsSignIn = true,
       .options = {},
       .minPositional = 1,
       .maxPositional = 2,
       .checkArguments = checkBanksArguments,
       .run = runBanks},
      {.name = "qr",
       .synopses = {"TEXT --format svg|eps|html|bmp|wmf --out DATEI [--level L|M|Q|H] [--version N]",
                    "TEXT --format F --out DATEI [--encoding numeric|alphanumeric|byte] [--scale S]",
                    "TEXT --format F --out DATEI [--quiet-zone N] [--tilde]"},
       .description = "Den QR-Code des Textes in die Datei schreiben; ohne --version die kleinste\n"
                      "passende Version, --scale Pixel (EPS: Punkte) je Modul (1), --quiet-zone\n"
                      "Randbreite in Modulen (4), --tilde löst ~~, ~dNNN und ~hNN auf",
       .needsSignIn = false,
       .options = {{"--format", "svg|eps|html|bmp|wmf", ""},
                   {"--out", "DATEI", ""},
                   {"--level", "L|M|Q|H", ""},
                   {"--version", "N", ""},
                   {"--encoding", "numeric|alphanumeric|byte", ""},
                   {"--scale", "S", ""},
                   {"--quiet-zone", "N", ""},
                   {"--tilde", "", ""}},
       .minPositional = 1,
       .maxPositional = 1,
       .checkArguments = checkQrArguments,
       .run = runQr},
  };
  return commands;
}

}  // namespace orvosal

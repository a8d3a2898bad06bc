#include "masterdata/addresses/vcard.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core/db/recordset.h"
#include "core/tests/db_test_support.h"
#include "core/tests/shell_command.h"
#include "core/text.h"
#include "masterdata/addresses/quoted_printable.h"

namespace orvosal {
namespace {

using orvosal::testing::SeededBothEngines;
using orvosal::testing::TemporaryFolder;

// Every field the card carries, filled with what trips writers up: umlauts, ß, the separators of
// structured values, quotes, '=' and a note over several lines longer than a card line.
Address difficultAddress() {
  Address address;
  address.kunde = true;
  address.name = "Größer; Müller, \"Sohn\"";
  address.vorname = "Jürgen-Öztürk";
  address.straße = "Hauptstraße 5; Hinterhaus, 2. OG";
  address.ort = "Weißenfels an der Saale";
  address.plz = "06667";
  address.telefon1 = "+49 (3443) 12 34-5";
  address.telefon2 = "03443/98765, App. 2";
  address.funk = "0171 2345678";
  address.fax = "03443 12 34-9";
  address.email = "j.groesser@beispiel-müller.de";
  address.bemerkung =
      "Erste Zeile: Rabatt = 5 % \"immer\" C:\\neu\r\nZweite Zeile mit Übergröße; Komma, "
      "und so viel Text, dass die Zeile weit über sechsundsiebzig Zeichen hinausgeht \r\n\tEnde ";
  return address;
}

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

// What an independent reader (python3-vobject) finds in the file: "property<TAB>value" lines with
// line breaks, tabs and backslashes escaped. Nothing when the reader is not installed.
std::optional<std::map<std::string, std::string>> readWithVobject(const std::filesystem::path& file) {
  constexpr const char* kPython = "/usr/bin/python3";
  const std::string probe = std::string(kPython) + " -c 'import vobject' 2>/dev/null";
  if (!std::filesystem::exists(kPython) || std::system(probe.c_str()) != 0) return std::nullopt;
  const std::string script =
      "import sys, vobject\n"
      "def e(s): return s.replace('\\\\','\\\\\\\\').replace('\\n','\\\\n').replace('\\r','\\\\r')"
      ".replace('\\t','\\\\t')\n"
      "c = vobject.readOne(open(sys.argv[1], encoding='utf-8', newline='').read(), allowQP=True)\n"
      "print('N.family\\t' + e(c.n.value.family)); print('N.given\\t' + e(c.n.value.given))\n"
      "print('NOTE\\t' + e(c.note.value)); print('EMAIL\\t' + e(c.email.value))\n"
      "for t in c.contents['tel']: print('TEL;' + ';'.join(sorted(t.singletonparams)) + '\\t' + e(t.value))\n"
      "for a in c.contents['adr']:\n"
      "  p = ';'.join(sorted(a.singletonparams)); v = a.value\n"
      "  for f in ('street','city','region','code','country'): print('ADR;' + p + '.' + f + '\\t' + "
      "e(v.__dict__[f]))\n";
  TemporaryFolder scripts;
  std::ofstream(scripts.path() / "read.py") << script;
  const std::string command =
      std::string(kPython) + " " + (scripts.path() / "read.py").string() + " '" + file.string() + "'";
  const auto [status, output] = orvosal::testing::runShellCommand(command);
  EXPECT_EQ(status, 0) << output;
  std::map<std::string, std::string> fields;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    const size_t tab = line.find('\t');
    if (tab != std::string::npos) fields[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return fields;
}

TEST(VCardText, AnAsciiAddressGivesTheFixedLinesInOrder) {
  Address address;
  address.name = "Lehmann";
  address.vorname = "Karl";
  address.bemerkung = "A=B";
  address.telefon1 = "0351 1";
  address.telefon2 = "0351 2";
  address.funk = "0171 3";
  address.fax = "0351 4";
  address.straße = "Am Markt 1";
  address.ort = "Dresden";
  address.plz = "01067";
  address.email = "k@l.de";
  EXPECT_EQ(
      VCardText(address),
      "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Lehmann;Karl\r\nNOTE;ENCODING=QUOTED-PRINTABLE:A=3DB\r\n"
      "TEL;WORK;VOICE:0351 1\r\nTEL;HOME;VOICE:0351 2\r\nTEL;CELL;VOICE:0171 3\r\nTEL;WORK;FAX:0351 4\r\n"
      "ADR;WORK;ENCODING=QUOTED-PRINTABLE:;;Am Markt 1;Dresden;;01067;\r\n"
      "ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Am Markt 1;Dresden;;01067;\r\n"
      "EMAIL;PREF;INTERNET:k@l.de\r\nREV:20030407T144607Z\r\nEnd:VCARD\r\n");
}

TEST(VCardText, NonAsciiValuesNameTheirCharsetAndLinesStayShort) {
  const std::string card = VCardText(difficultAddress());
  EXPECT_NE(card.find("\r\nN;CHARSET=UTF-8:Größer\\; Müller\\, \"Sohn\";Jürgen-Öztürk\r\n"),
            std::string::npos)
      << card;
  EXPECT_NE(card.find("\r\nNOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Erste Zeile: Rabatt =3D 5"),
            std::string::npos);
  EXPECT_NE(card.find("\r\nTEL;WORK;VOICE:+49 (3443) 12 34-5\r\n"), std::string::npos) << "ASCII stays plain";
  std::istringstream lines(card);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 77u) << line;  // 76 characters and the CR
    EXPECT_NE(line.front(), ' ') << "a continuation must not look like a folded line";
  }
}

TEST(QuotedPrintable, EncodesWhatIsNotPlainAndDecodesBack) {
  struct Case {
    std::string text;
    std::string encoded;
  } cases[] = {
      {"", ""},
      {"abc xyz", "abc xyz"},
      {"a=b", "a=3Db"},
      {"Zeile 1\r\nZeile 2", "Zeile 1=0D=0AZeile 2"},
      {"Grüße", "Gr=C3=BC=C3=9Fe"},
      {"Ende ", "Ende=20"},
      {" Anfang", "=20Anfang"},
      {"\tTab", "=09Tab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(encodeQuotedPrintable(c.text, 10), c.encoded) << c.text;
    EXPECT_EQ(decodeQuotedPrintable(c.encoded), c.text) << c.encoded;
  }
  for (const char* broken : {"=", "a=4", "=G1", "x=0Z", "=\r\n"}) {
    EXPECT_EQ(decodeQuotedPrintable(broken), std::nullopt) << broken;
  }
  EXPECT_EQ(decodeQuotedPrintable("gr=c3=bc=c3=9fe"), "grüße") << "lower-case hex is read as well";
}

TEST(QuotedPrintable, LongTextBreaksSoftlyWithinTheLineLength) {
  const std::string text = std::string(100, 'x') + " " + std::string(60, 0x7F) + std::string(80, ' ') + "y";
  const std::string encoded = encodeQuotedPrintable(text, 40);
  std::string joined;
  size_t start = 0;
  size_t used = 40;
  for (size_t end = encoded.find("=\r\n"); end != std::string::npos; end = encoded.find("=\r\n", start)) {
    const std::string line = encoded.substr(start, end - start);
    EXPECT_LE(used + line.size() + 1, 76u) << line;
    EXPECT_NE(line.back(), ' ');
    EXPECT_NE(line.front(), ' ');
    joined += line;
    start = end + 3;
    used = 0;
  }
  joined += encoded.substr(start);
  EXPECT_GT(start, 0u) << "the text needs several lines";
  EXPECT_EQ(decodeQuotedPrintable(joined), text);
}

TEST(VCardFileName, IsFirstNameAndNameWithoutCharactersFileSystemsRefuse) {
  struct Case {
    const char* vorname;
    const char* name;
    int64_t id;
    const char* expected;
  } cases[] = {
      {"Jürgen", "Größer", 1, "Jürgen Größer.vcf"},
      {"", "Holzbau GmbH", 2, "Holzbau GmbH.vcf"},
      {"A/B", "C:D*E?\"F<G>H|I\\J", 3, "A_B C_D_E__F_G_H_I_J.vcf"},
      {"", "", 17, "Adresse 17.vcf"},
  };
  for (const Case& c : cases) {
    Address address;
    address.vorname = c.vorname;
    address.name = c.name;
    address.id = c.id;
    EXPECT_EQ(VCardFileName(address), c.expected);
  }
}

TEST(VCardImport, TheExportedCardGivesBackEveryExportedField) {
  Address start;
  start.kunde = true;
  start.kundennummer = "unberührt";
  const Address original = difficultAddress();
  const VCardReading reading = ParseVCard(VCardText(original), "karte.vcf", start);
  ASSERT_TRUE(reading.address) << reading.error;
  Address expected = start;
  for (auto member :
       {&Address::name, &Address::vorname, &Address::straße, &Address::ort, &Address::plz, &Address::telefon1,
        &Address::telefon2, &Address::funk, &Address::fax, &Address::email, &Address::bemerkung}) {
    expected.*member = original.*member;
  }
  EXPECT_EQ(*reading.address, expected);
}

TEST(VCardImport, ReadsCardsOfOtherWritersToo) {
  const std::string card =
      "\xEF\xBB\xBF"
      "BEGIN:VCARD\nVERSION:3.0\nFN:Erika Mustermann\nN:Mustermann;Erika;;Dr.;\nORG:Beispiel AG;Einkauf\n"
      "item1.TEL;TYPE=WORK,VOICE:0221 1\nTEL;TYPE=cell:0172 2\nTEL;TYPE=HOME:0221 3\nTEL;TYPE=FAX:0221 4\n"
      "ADR;TYPE=HOME:;;Nebenweg 2;Bonn;;53111;Deutschland\nADR;TYPE=WORK:;;Heidestra\xC3\x9F"
      "e 17;K\xC3\xB6ln;;51147;Deutschland\n"
      "EMAIL;TYPE=INTERNET:privat@example.com\nEMAIL;TYPE=INTERNET,PREF:erika@example.com\n"
      "NOTE:Eine lange Notiz\n  die gefaltet ist\\, mit Komma\\nZeile "
      "2\nX-UNBEKANNT:egal\nPHOTO;ENCODING=b:AAAA\nEND:VCARD\n";
  const VCardReading reading = ParseVCard(card, "erika.vcf", {});
  ASSERT_TRUE(reading.address) << reading.error;
  const Address& a = *reading.address;
  EXPECT_EQ(a.name, "Mustermann");
  EXPECT_EQ(a.vorname, "Erika");
  EXPECT_EQ(a.zusatz, "Beispiel AG Einkauf");
  EXPECT_EQ(a.telefon1, "0221 1");
  EXPECT_EQ(a.funk, "0172 2");
  EXPECT_EQ(a.telefon2, "0221 3");
  EXPECT_EQ(a.fax, "0221 4");
  EXPECT_EQ(a.straße, "Heidestraße 17") << "the work address wins";
  EXPECT_EQ(a.ort, "Köln");
  EXPECT_EQ(a.plz, "51147");
  EXPECT_EQ(a.email, "erika@example.com");
  EXPECT_EQ(a.bemerkung, "Eine lange Notiz die gefaltet ist, mit Komma\r\nZeile 2");
}

TEST(VCardImport, OldWindowsCardsAndCardsWithoutStructuredName) {
  const std::string latin1 =
      "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1:M\xFCller;J\xFCrgen\r\n"
      "NOTE;ENCODING=QUOTED-PRINTABLE:Gr=FC=DFe=\r\n aus Wei=DFenfels\r\nEnd:VCARD\r\n";
  const VCardReading old = ParseVCard(latin1, "alt.vcf", {});
  ASSERT_TRUE(old.address) << old.error;
  EXPECT_EQ(old.address->name, "Müller");
  EXPECT_EQ(old.address->vorname, "Jürgen");
  EXPECT_EQ(old.address->bemerkung, "Grüße aus Weißenfels");

  const VCardReading company = ParseVCard("BEGIN:VCARD\nORG:Holzbau Lehmann GmbH\nEND:VCARD\n", "f.vcf", {});
  ASSERT_TRUE(company.address) << company.error;
  EXPECT_EQ(company.address->name, "Holzbau Lehmann GmbH");
  EXPECT_EQ(company.address->zusatz, "");
}

TEST(VCardImport, AMalformedCardNamesFileAndLineAndGivesNoAddress) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"BEGIN:VCARD\r\nN:A;B\r\nKein Doppelpunkt\r\nEND:VCARD\r\n",
       "Fehler in k.vcf, Zeile 3: Zeile ohne ':'"},
      {"BEGIN:VCARD\r\nN:A;B\r\nTEL;WORK:1\r\n", "Fehler in k.vcf, Zeile 3: END:VCARD fehlt"},
      {"BEGIN:VCARD\r\nN:A;B\r\n:1\r\nEND:VCARD\r\n",
       "Fehler in k.vcf, Zeile 3: Zeile ohne Eigenschaft vor ':'"},
      {"BEGIN:VCARD\r\nN:A;B\r\nNOTE;ENCODING=QUOTED-PRINTABLE:a=\r\nb=ZZ\r\nEND:VCARD\r\n",
       "Fehler in k.vcf, Zeile 3: Ungültige Quoted-Printable-Kodierung"},
      {"N:A;B\r\nEND:VCARD\r\n", "Fehler in k.vcf, Zeile 1: BEGIN:VCARD erwartet"},
      {"\r\n\r\n", "Fehler in k.vcf, Zeile 1: Die Datei enthält keine VCard"},
      {"BEGIN:VCARD\r\nN:A;B\r\nEND:VCARD\r\nBEGIN:VCARD\r\n",
       "Fehler in k.vcf, Zeile 4: Nach END:VCARD folgt "
       "weiterer Inhalt"},
      {"BEGIN:VCARD\r\nN:A;B\r\nBEGIN:VCARD\r\nEND:VCARD\r\n",
       "Fehler in k.vcf, Zeile 3: BEGIN:VCARD ohne vorheriges END:VCARD"},
      {"BEGIN:VCARD\r\nN:;Hans\r\nTEL;WORK:1\r\nEND:VCARD\r\n",
       "Fehler in k.vcf, Zeile 4: Die VCard enthält keinen Namen"},
  };
  for (const Case& c : cases) {
    const VCardReading reading = ParseVCard(c.text, "k.vcf", {});
    EXPECT_FALSE(reading.address) << c.text;
    EXPECT_EQ(reading.error, c.error);
  }
  const VCardReading missing = ReadVCardFile("/nicht/vorhanden.vcf");
  EXPECT_FALSE(missing.address);
  EXPECT_EQ(missing.error, "Die Datei /nicht/vorhanden.vcf kann nicht gelesen werden");
}

class VCardExport : public SeededBothEngines {
 protected:
  int64_t store(Address address) {
    Recordset rs(db(), "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    writeRecord(rs, address, AddressFields());
    rs.update();
    return rs["ID"].toInt();
  }
};

TEST_P(VCardExport, AnIndependentReaderFindsEveryFieldOfTheStoredAddress) {
  const Address original = difficultAddress();
  const int64_t id = store(original);
  TemporaryFolder out;
  const auto written =
      ExportVCards(session(), true, out.path(), {id}).value_or(std::vector<std::filesystem::path>{});
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written.front(), out.path() / "Jürgen-Öztürk Größer; Müller, _Sohn_.vcf");
  EXPECT_EQ(engine().ui().texts("message"), std::vector<std::string>{"Dateien exportiert"});

  const auto fields = readWithVobject(written.front());
  if (!fields) GTEST_SKIP() << "python3-vobject is not installed: the card is not read independently";
  const std::map<std::string, std::string> expected = {
      {"N.family", escaped(original.name)},
      {"N.given", escaped(original.vorname)},
      {"NOTE", escaped(original.bemerkung)},
      {"EMAIL", escaped(original.email)},
      {"TEL;VOICE;WORK", escaped(original.telefon1)},
      {"TEL;HOME;VOICE", escaped(original.telefon2)},
      {"TEL;CELL;VOICE", escaped(original.funk)},
      {"TEL;FAX;WORK", escaped(original.fax)},
      {"ADR;WORK.street", escaped(original.straße)},
      {"ADR;WORK.city", escaped(original.ort)},
      {"ADR;WORK.region", ""},
      {"ADR;WORK.code", escaped(original.plz)},
      {"ADR;WORK.country", ""},
      {"ADR;HOME.street", escaped(original.straße)},
      {"ADR;HOME.city", escaped(original.ort)},
      {"ADR;HOME.region", ""},
      {"ADR;HOME.code", escaped(original.plz)},
      {"ADR;HOME.country", ""},
  };
  EXPECT_EQ(*fields, expected);
}

TEST_P(VCardExport, AllOfTheKindInIdOrderAndNoFileOverwritten) {
  Address first;
  first.kunde = true;
  first.name = "Lehmann";
  first.vorname = "Karl";
  Address second = first;
  second.telefon1 = "0351 2";
  Address supplier = first;
  supplier.kunde = false;
  supplier.name = "Lieferant";
  const int64_t firstId = store(first);
  const int64_t secondId = store(second);
  store(supplier);
  TemporaryFolder out;
  std::ofstream(out.path() / "Karl Lehmann.vcf") << "von früher";

  const auto written =
      ExportVCards(session(), true, out.path(), {}).value_or(std::vector<std::filesystem::path>{});
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0], out.path() / "Karl Lehmann (2).vcf");
  EXPECT_EQ(written[1], out.path() / "Karl Lehmann (3).vcf");
  EXPECT_EQ(testing::fileText(out.path() / "Karl Lehmann.vcf"), "von früher");
  first.id = firstId;
  second.id = secondId;
  EXPECT_EQ(testing::fileText(written[0]), VCardText(first));
  EXPECT_EQ(testing::fileText(written[1]), VCardText(second));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 3);
}

TEST_P(VCardExport, AnUnknownIdOrFolderWritesNothing) {
  Address customer;
  customer.kunde = true;
  customer.name = "Kunde";
  const int64_t customerId = store(customer);
  Address supplier = customer;
  supplier.kunde = false;
  const int64_t supplierId = store(supplier);
  TemporaryFolder out;

  EXPECT_EQ(ExportVCards(session(), true, out.path(), {customerId, supplierId}), std::nullopt);
  EXPECT_EQ(ExportVCards(session(), false, out.path(), {customerId}), std::nullopt);
  EXPECT_EQ(ExportVCards(session(), true, out.path() / "fehlt", {}), std::nullopt);
  EXPECT_EQ(
      engine().ui().texts("message"),
      (std::vector<std::string>{
          "Kunde mit der ID " + std::to_string(supplierId) + " nicht gefunden, keine Dateien exportiert",
          "Lieferant mit der ID " + std::to_string(customerId) + " nicht gefunden, keine Dateien exportiert",
          "Das Verzeichnis " + (out.path() / "fehlt").string() + " gibt es nicht"}));
  EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

ORVOSAL_ON_BOTH_ENGINES(VCardExport);

}  // namespace
}  // namespace orvosal

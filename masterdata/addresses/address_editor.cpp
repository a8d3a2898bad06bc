#include "masterdata/addresses/address_editor.h"

#include <stdexcept>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/rules/soundex.h"
#include "core/system_settings/document_settings.h"
#include "core/text.h"
#include "core/users/last_opened.h"
#include "core/users/password_check.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "masterdata/addresses/address_duplicates.h"
#include "masterdata/addresses/address_kind.h"
#include "masterdata/addresses/address_numbers.h"
#include "masterdata/user_messages.h"

namespace orvosal {
namespace {

// The words in which the windows of the two kinds speak.
struct KindWords {
  const char* window;
  const char* person;   // "Kunde"
  const char* idLabel;  // "Kunden-ID "
  const char* number;   // "Kundennummer"
  const char* saveRight;
  const char* deleteRight;
};

const KindWords& wordsOf(bool isCustomer) {
  static const KindWords customer{"frmKunden",    "Kunde",      "Kunden-ID ",
                                  "Kundennummer", "Save_Kunde", "Delete_Kunde"};
  static const KindWords supplier{"frmLieferant",      "Lieferant",      "Lieferant-ID ",
                                  "Lieferantennummer", "Save_Lieferant", "Delete_Lieferant"};
  return isCustomer ? customer : supplier;
}

std::string addressIdList(int64_t id) { return "([ID] IN (" + std::to_string(id) + "))"; }

// The columns the save derives from others: the phonetic keys and the salutation.
void deriveColumns(Address& address) {
  address.soundExName = SoundEx(address.name);
  address.soundExVorname = SoundEx(address.vorname);
  address.anredeText = AnredeText(address.geschlecht, address.titel, address.name);
}

// Asks about a number that another address of the kind holds; true to go on saving.
bool addressNumberMayBeUsed(Session& session, const Address& address, const KindWords& words) {
  if (address.kundennummer.empty()) return true;
  if (countOtherHolders(session, address.kundennummer, address.kunde, address.id) == 0) return true;
  return session.ui().askYesNo(std::string(words.number) + " bereits vorhanden, trotzdem speichern?",
                               kProductName);
}

void writeAddress(Session& session, Address& address) {
  Connection& connection = GlobalConnection(session);
  DbTransaction transaction(connection);
  if (address.id == 0) {
    Recordset rs(connection, "SELECT Top 1 * FROM Adressen");
    rs.addNew();
    writeRecord(rs, address, AddressFields());
    rs.update();
    address.id = rs["ID"].toInt();
  } else {
    Recordset rs(connection, "SELECT * FROM Adressen WHERE " + addressIdList(address.id) + ";");
    if (rs.eof())
      throw std::runtime_error("Die Adresse " + std::to_string(address.id) + " ist nicht mehr vorhanden.");
    writeRecord(rs, address, AddressFields());
    rs.update();
  }
  transaction.commit();
}

std::optional<int64_t> neighbourAddress(Session& session, int64_t fromId, bool isCustomer, bool next) {
  Recordset rs(GlobalConnection(session), "SELECT Top 1 [ID] FROM Adressen WHERE ([ID] " +
                                              std::string(next ? ">" : "<") + " " + std::to_string(fromId) +
                                              " AND " + addressKindCondition(session, isCustomer) +
                                              ") ORDER BY [ID] " + (next ? "ASC" : "DESC"));
  if (rs.eof()) return std::nullopt;
  return rs["ID"].toInt();
}

}  // namespace

std::string addressWindowName(bool isCustomer) { return wordsOf(isCustomer).window; }

Address NewAddress(Session& session, bool isCustomer) {
  Address address;
  address.kunde = isCustomer;
  address.warningLevel = 0;
  address.marketingStatusId = 0;
  address.jgPruefung = session.clock().today();
  return address;
}

std::optional<Address> ReadAddress(Session& session, int64_t id) {
  return runOperation(session, operationName(addressWindowName(true), OperationKind::Sub, "Load_Item"),
                      std::optional<Address>(), [&]() -> std::optional<Address> {
                        Recordset rs(GlobalConnection(session),
                                     "SELECT * FROM Adressen WHERE " + addressIdList(id) + ";");
                        if (rs.eof()) return std::nullopt;
                        return readRecord(rs, AddressFields());
                      });
}

std::string AnredeText(int geschlecht, std::string_view titel, std::string_view name) {
  const std::string titledName = std::string(titel) + " " + std::string(name);
  if (geschlecht == 0) return std::string(trim("Sehr geehrter Herr " + titledName));
  if (geschlecht == 1) return std::string(trim("Sehr geehrte Frau " + titledName));
  return "Sehr geehrte Damen und Herren";
}

AddressSaveResult SaveAddress(Session& session, Address& address) {
  const KindWords& words = wordsOf(address.kunde);
  return runOperation(
      session, operationName(words.window, OperationKind::Sub, "Save_Item"), AddressSaveResult{},
      [&]() -> AddressSaveResult {
        if (!RequireRight(session, words.saveRight)) return {};
        address.name = std::string(trim(address.name));
        address.kundennummer = std::string(trim(address.kundennummer));
        if (address.name.empty()) {
          warnUser(session, "Bitte Name angegeben!");
          return {};
        }
        Address entered = address;
        deriveColumns(entered);
        const bool adding = entered.id == 0;
        if (adding) {
          if (!entered.kundennummer.empty() &&
              Existiert_die_Kundennummer(session, entered.kundennummer, entered.kunde)) {
            warnUser(session, std::string(words.number) + " wird bereits verwendet!");
            return {};
          }
          const std::string answer = Check_Adress_Doubles(session, entered);
          if (answer.starts_with("do-")) {
            return {AddressSaveOutcome::LoadOther, std::stoll(answer.substr(3))};
          }
          if (answer != "ksSave") return {};
          entered.erfasst = session.clock().today();
        } else {
          const std::optional<Address> stored = ReadAddress(session, entered.id);
          if (!stored) return {};
          if (differences(*stored, entered, AddressFields()).empty()) {
            informUser(session, "Keine Änderung!, nicht gespeichert");
            return {AddressSaveOutcome::Unchanged, 0};
          }
        }
        if (entered.kundennummer.empty() && ReadDocumentSettings(session).automaticNumbers) {
          entered.kundennummer = SearchKundenNummer(session, entered.land, entered.kunde);
        } else if (!addressNumberMayBeUsed(session, entered, words)) {
          return {};
        }
        entered.geändert = session.clock().today();
        writeAddress(session, entered);
        address = entered;
        WriteUserHistory(session,
                         words.idLabel + std::to_string(address.id) + (adding ? " erfasst" : " geändert"),
                         words.window, address.id);
        RecordLastOpened(session, words.window, address.id, address.name + " " + address.vorname);
        informUser(session, adding ? "Daten gespeichert" : "Änderungen gespeichert");
        return {AddressSaveOutcome::Saved, 0};
      });
}

bool AddressHasDocuments(Session& session, int64_t id, std::string_view number, bool isCustomer) {
  return runOperation(
      session, operationName("mdlAdressen", OperationKind::Function, "Belege_Vorhanden"), false, [&] {
        const std::string ids = std::to_string(id);
        const std::string sql = number.empty()
                                    ? "SELECT [BelegID] FROM Belegkopf WHERE ([KDNr] IN (" + ids + "))"
                                    : "SELECT [BelegID] FROM Belegkopf WHERE (([KDNr] IN (" + ids +
                                          ") OR [Kundennummer] IN (" + SqlQuoted(number) + ")) AND " +
                                          addressKindCondition(session, isCustomer) + " )";
        Recordset rs(GlobalConnection(session), sql);
        return !rs.eof();
      });
}

bool DeleteAddress(Session& session, int64_t id) {
  const std::optional<Address> address = ReadAddress(session, id);
  if (!address) return false;
  const KindWords& words = wordsOf(address->kunde);
  return runOperation(session, operationName(words.window, OperationKind::Sub, "Delete_Item"), false, [&] {
    if (!RequireRight(session, words.deleteRight) || !Check_Master_Berechtigung(session)) return false;
    if (!session.ui().askYesNo(
            "Soll " + std::string(words.person) + ": " + address->name + " gelöscht werden?", kProductName)) {
      return false;
    }
    if (AddressHasDocuments(session, id, address->kundennummer, address->kunde)) {
      warnUser(session,
               std::string(words.person) + " kann nicht gelöscht werden, weil Belege vorhanden sind");
      return false;
    }
    Connection& connection = GlobalConnection(session);
    const std::string ids = std::to_string(id);
    DbTransaction transaction(connection);
    connection.execute("Delete FROM Lieferadressen WHERE ([VID] IN (" + ids + "))");
    connection.execute("Delete FROM Ansprechpartner WHERE ([KundenID] IN (" + ids + "))");
    connection.execute("Delete FROM Aktivitäten WHERE ([KundenID] IN (" + ids + "))");
    connection.execute("Delete FROM Adressen WHERE ([ID] IN (" + ids + "))");
    transaction.commit();
    WriteUserHistory(session, words.idLabel + ids + " gelöscht", words.window, id);
    return true;
  });
}

std::optional<int64_t> NextAddressId(Session& session, int64_t fromId, bool isCustomer) {
  return runOperation(session, operationName(addressWindowName(isCustomer), OperationKind::Sub, "Next_Item"),
                      std::optional<int64_t>(),
                      [&] { return neighbourAddress(session, fromId, isCustomer, true); });
}

std::optional<int64_t> PreviousAddressId(Session& session, int64_t fromId, bool isCustomer) {
  return runOperation(
      session, operationName(addressWindowName(isCustomer), OperationKind::Sub, "Previous_Item"),
      std::optional<int64_t>(), [&] { return neighbourAddress(session, fromId, isCustomer, false); });
}

bool SetWarningLevel(Session& session, int64_t id, int level) {
  static const char* const kColours[] = {"Grün", "Orange", "Rot"};
  if (level < 0 || level > 2) return false;
  return runOperation(
      session, operationName("mdlAdressen", OperationKind::Sub, "Set_WarningLevel"), false, [&] {
        if (!session.ui().askYesNo("Soll Status auf " + std::string(kColours[level]) + " gesetzt werden?",
                                   kProductName)) {
          return false;
        }
        GlobalConnection(session).execute("Update Adressen set WarningLevel = " + std::to_string(level) +
                                          " WHERE " + addressIdList(id));
        return true;
      });
}

std::optional<Date> ChangeCreationDate(Session& session, int64_t id, std::optional<Date> current) {
  return runOperation(session, operationName("mdlAdressen", OperationKind::Sub, "Change_Erfasst"),
                      std::optional<Date>(), [&]() -> std::optional<Date> {
                        const std::optional<std::string> typed =
                            session.ui().inputText("Bitte neues Erfasst-Datum eingeben", kProductName,
                                                   current ? current->toGerman() : std::string());
                        if (!typed) return std::nullopt;
                        const std::optional<Date> date = Date::parse(*typed);
                        if (!date) {
                          warnUser(session, "Kein gültiges Datum: " + *typed);
                          return std::nullopt;
                        }
                        const std::string literal = SqlDate(session.database().dialect, Value(*date));
                        GlobalConnection(session).execute("Update Adressen set [erfasst]= " + literal +
                                                          ", [geändert]= " + literal + " WHERE " +
                                                          addressIdList(id));
                        return date;
                      });
}

std::string Get_KundenName(Session& session, int64_t id) {
  return runOperation(session, operationName("mdlAdressen", OperationKind::Function, "Get_KundenName"),
                      std::string(), [&] {
                        Recordset rs(GlobalConnection(session),
                                     "SELECT Name,Vorname FROM Adressen WHERE " + addressIdList(id));
                        if (rs.eof()) return std::string();
                        return rs["Name"].toText() + " " + rs["Vorname"].toText();
                      });
}

std::string Get_KundenName_Lang(Session& session, int64_t id) {
  return runOperation(
      session, operationName("mdlAdressen", OperationKind::Function, "Get_KundenName"), std::string(), [&] {
        Recordset rs(GlobalConnection(session), "SELECT * FROM Adressen WHERE " + addressIdList(id));
        if (rs.eof()) return std::string();
        const std::string crlf = "\r\n";
        std::string block = std::string(trim(rs["Name"].toText() + " " + rs["Vorname"].toText())) + crlf +
                            rs["Straße"].toText() + crlf +
                            std::string(trim(rs["PLZ"].toText() + " " + rs["Ort"].toText()));
        if (!rs["Telefon1"].toText().empty()) block += crlf + "Telefon: " + rs["Telefon1"].toText();
        if (!rs["Funk"].toText().empty()) block += crlf + "Mobil: " + rs["Funk"].toText();
        return block;
      });
}

int Get_Warning_Level(Session& session, int64_t id) {
  return runOperation(session, operationName("mdlAdressen", OperationKind::Function, "Get_Warning_Level"), 0,
                      [&] {
                        Recordset rs(GlobalConnection(session),
                                     "SELECT WarningLevel FROM Adressen WHERE " + addressIdList(id));
                        return rs.eof() ? 0 : static_cast<int>(rs["WarningLevel"].toInt());
                      });
}

}  // namespace orvosal

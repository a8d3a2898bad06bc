#include "masterdata/classes/class_editor.h"

#include <stdexcept>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "masterdata/user_messages.h"

namespace orvosal {
namespace {

constexpr const char* kClassModule = "frmKlassen";
constexpr const char* kClassRight = "Provision";

std::string inList(const char* key, int64_t id) {
  return "([" + std::string(key) + "] IN (" + std::to_string(id) + "))";
}

int64_t nextKey(Session& session, const std::string& sql) {
  return Recordset(GlobalConnection(session), sql)["maximum"].toInt() + 1;
}

bool anyRow(Session& session, const std::string& sql) {
  return !Recordset(GlobalConnection(session), sql).eof();
}

template <class Record>
std::vector<Record> listAll(Session& session, const std::string& sql, FieldTable<Record> fields) {
  std::vector<Record> records;
  for (Recordset rs(GlobalConnection(session), sql); !rs.eof(); rs.moveNext()) {
    records.push_back(readRecord(rs, fields));
  }
  return records;
}

template <class Record>
std::optional<Record> readOne(Session& session, const std::string& sql, FieldTable<Record> fields) {
  Recordset rs(GlobalConnection(session), sql);
  if (rs.eof()) return std::nullopt;
  return readRecord(rs, fields);
}

// Adds a row under the key the caller chose.
template <class Record>
void insertWithKey(Session& session, const std::string& table, const Record& record,
                   FieldTable<Record> fields) {
  Recordset rs(GlobalConnection(session), "SELECT Top 1 * FROM " + table);
  rs.addNew();
  const FieldDef<Record>& key = fields.front();
  rs.set(key.column, fieldValue(record, key));
  writeRecord(rs, record, fields);
  rs.update();
}

// Writes a stored row when it changed; says so either way. True when written.
template <class Record>
bool updateChanged(Session& session, const std::string& table, const Record& record,
                   FieldTable<Record> fields, const std::string& historyText) {
  const FieldDef<Record>& key = fields.front();
  const int64_t id = fieldValue(record, key).toInt();
  Recordset rs(GlobalConnection(session),
               "SELECT * FROM " + table + " WHERE " + inList(std::string(key.column).c_str(), id));
  if (rs.eof())
    throw std::runtime_error("Der Datensatz " + std::to_string(id) + " ist nicht mehr vorhanden.");
  if (differences(readRecord(rs, fields), record, fields).empty()) {
    informUser(session, "Keine Änderung!, nicht gespeichert");
    return false;
  }
  writeRecord(rs, record, fields);
  rs.update();
  WriteUserHistory(session, historyText, kClassModule, id);
  informUser(session, "Änderungen gespeichert");
  return true;
}

std::string classOperation(const char* name) { return operationName(kClassModule, OperationKind::Sub, name); }

}  // namespace

std::vector<CommissionClass> ListCommissionClasses(Session& session) {
  return runOperation(session, classOperation("Klassen_Laden"), std::vector<CommissionClass>{}, [&] {
    return listAll(session, "SELECT * FROM Klassen ORDER BY [class_id]", CommissionClassFields());
  });
}

std::vector<MarketingStatus> ListMarketingStatuses(Session& session) {
  return runOperation(session, classOperation("Marketing_Status_Laden"), std::vector<MarketingStatus>{}, [&] {
    return listAll(session, "SELECT * FROM Marketing_Status ORDER BY [marketing_id]",
                   MarketingStatusFields());
  });
}

std::optional<CommissionClass> ReadCommissionClass(Session& session, int64_t classId) {
  return runOperation(session, classOperation("Klasse_Laden"), std::optional<CommissionClass>(), [&] {
    return readOne(session, "SELECT * FROM Klassen WHERE " + inList("class_id", classId),
                   CommissionClassFields());
  });
}

std::optional<MarketingStatus> ReadMarketingStatus(Session& session, int64_t marketingId) {
  return runOperation(
      session, classOperation("Marketing_Status_Laden"), std::optional<MarketingStatus>(), [&] {
        return readOne(session, "SELECT * FROM Marketing_Status WHERE " + inList("marketing_id", marketingId),
                       MarketingStatusFields());
      });
}

std::optional<CommissionClass> AddCommissionClass(Session& session) {
  return runOperation(session, classOperation("Neue_Klasse"), std::optional<CommissionClass>(),
                      [&]() -> std::optional<CommissionClass> {
                        if (!RequireRight(session, kClassRight)) return std::nullopt;
                        CommissionClass added;
                        added.classId = nextKey(session, "SELECT max(class_id)as maximum FROM Klassen ");
                        added.active = true;
                        added.className = "Neue Klasse";
                        added.classValue = Currency::fromInteger(5);
                        added.percent = true;
                        added.priority = "1";
                        insertWithKey(session, "Klassen", added, CommissionClassFields());
                        WriteUserHistory(session,
                                         "Provisionsklasse " + std::to_string(added.classId) + " erfasst",
                                         kClassModule, added.classId);
                        return added;
                      });
}

std::optional<MarketingStatus> AddMarketingStatus(Session& session) {
  return runOperation(
      session, classOperation("Neuer_Marketing_Status"), std::optional<MarketingStatus>(),
      [&]() -> std::optional<MarketingStatus> {
        if (!RequireRight(session, kClassRight)) return std::nullopt;
        MarketingStatus added;
        added.marketingId = nextKey(session, "SELECT max(marketing_id)as maximum FROM Marketing_Status ");
        added.marketingBezeichnung = "Marketing-Status 1";
        added.marketingPayValue = 10;
        insertWithKey(session, "Marketing_Status", added, MarketingStatusFields());
        WriteUserHistory(session, "Marketing-Status " + std::to_string(added.marketingId) + " erfasst",
                         kClassModule, added.marketingId);
        return added;
      });
}

bool SaveCommissionClass(Session& session, CommissionClass& commissionClass) {
  return runOperation(session, classOperation("Klasse_Speichern"), false, [&] {
    if (!RequireRight(session, kClassRight)) return false;
    commissionClass.className = std::string(trim(commissionClass.className));
    if (commissionClass.className.empty()) {
      warnUser(session, "Bitte Bezeichnung eintragen");
      return false;
    }
    if (commissionClass.classValue == Currency()) {
      warnUser(session, "Bitte Provisionswert eintragen");
      return false;
    }
    return updateChanged(session, "Klassen", commissionClass, CommissionClassFields(),
                         "Provisionsklasse " + std::to_string(commissionClass.classId) + " geändert");
  });
}

bool SaveMarketingStatus(Session& session, MarketingStatus& status) {
  return runOperation(session, classOperation("Marketing_Status_Speichern"), false, [&] {
    if (!RequireRight(session, kClassRight)) return false;
    if (status.marketingPayValue == 0) {
      warnUser(session, "Bitte Provisionshöhe eintragen");
      return false;
    }
    status.marketingBezeichnung = std::string(trim(status.marketingBezeichnung));
    return updateChanged(session, "Marketing_Status", status, MarketingStatusFields(),
                         "Marketing-Status " + std::to_string(status.marketingId) + " geändert");
  });
}

bool DeleteCommissionClass(Session& session, int64_t classId) {
  return runOperation(session, classOperation("Klasse_Loeschen"), false, [&] {
    if (!RequireRight(session, kClassRight)) return false;
    if (anyRow(session, "SELECT Top 1 ID FROM Artikel WHERE " + inList("class_id", classId))) {
      warnUser(
          session,
          "Es gibt mindestens einen Artikel dem diese Klasse zugeordnet ist. Ändern Sie die Klassenzuordnung "
          "bei diesen Artikeln!");
      return false;
    }
    if (anyRow(session, "SELECT Top 1 ID FROM Adressen WHERE (" + inList("class_id", classId) + " AND " +
                            CreateBooleanSelect(session.database().dialect, "Kunde", true, false) + ")")) {
      warnUser(
          session,
          "Es gibt mindestens einen Kunden dem diese Klasse zugeordnet ist. Ändern Sie die Klassenzuordnung "
          "bei diesen Kunden!");
      return false;
    }
    if (!session.ui().askYesNo("Wirklich löschen", kProductName)) return false;
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection);
    connection.execute("Delete FROM Klassen WHERE ([class_id] IN (" + std::to_string(classId) + "))");
    connection.execute("Delete FROM Klassen_zu_Kunden WHERE ([class_id] IN (" + std::to_string(classId) +
                       "))");
    transaction.commit();
    WriteUserHistory(session, "Provisionsklasse " + std::to_string(classId) + " gelöscht", kClassModule,
                     classId);
    return true;
  });
}

bool DeleteMarketingStatus(Session& session, int64_t marketingId) {
  return runOperation(session, classOperation("Marketing_Status_Loeschen"), false, [&] {
    if (!RequireRight(session, kClassRight)) return false;
    if (anyRow(session, "SELECT Top 1 ID FROM Adressen WHERE (" + inList("marketing_status_id", marketingId) +
                            " AND " + CreateBooleanSelect(session.database().dialect, "Kunde", true, false) +
                            ")")) {
      warnUser(session,
               "Es gibt mindestens einen Kunden dem dieser Marketing-Status zugeordnet ist. Ändern Sie den "
               "Marketing "
               "Status bei diesen Kunden!");
      return false;
    }
    if (!session.ui().askYesNo("Wirklich löschen", kProductName)) return false;
    GlobalConnection(session).execute("Delete FROM Marketing_Status WHERE ([marketing_id] IN (" +
                                      std::to_string(marketingId) + "))");
    WriteUserHistory(session, "Marketing-Status " + std::to_string(marketingId) + " gelöscht", kClassModule,
                     marketingId);
    return true;
  });
}

}  // namespace orvosal

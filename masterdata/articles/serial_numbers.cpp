#include "masterdata/articles/serial_numbers.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/version.h"
#include "masterdata/articles/article_child_rows.h"

namespace orvosal {
namespace {

constexpr const char* kSerialWindow = "frmSerienNummern";

const FieldDef<SerialNumber> kSerialFields[] = {
    {"ID", &SerialNumber::id, true},
    {"ArtikelID", &SerialNumber::artikelId},
    {"SerienNummer", &SerialNumber::serienNummer},
    {"BelegID", &SerialNumber::belegId},
};

std::string documentNumber(Connection& connection, int64_t documentId) {
  std::string number;
  if (documentId > 0) {
    Recordset rs(connection, "SELECT Belegnummer FROM Belegkopf " + WhereIdIn("BelegID", documentId));
    if (!rs.eof()) number = rs["Belegnummer"].toText();
  }
  return number.empty() ? "k. Nummer" : number;
}

}  // namespace

FieldTable<SerialNumber> SerialNumberFields() { return kSerialFields; }

std::vector<ListedSerialNumber> ListSerialNumbers(Session& session, int64_t articleId) {
  return runOperation(session, operationName(kSerialWindow, OperationKind::Sub, "Load_List"),
                      std::vector<ListedSerialNumber>{}, [&] {
                        Connection& connection = GlobalConnection(session);
                        std::vector<ListedSerialNumber> serials;
                        Recordset rs(connection, "SELECT * FROM Seriennummern " +
                                                     WhereIdIn("ArtikelID", articleId) +
                                                     " ORDER BY BelegID, SerienNummer, ID");
                        for (; !rs.eof(); rs.moveNext()) {
                          SerialNumber serial = readRecord(rs, SerialNumberFields());
                          serials.push_back({serial, documentNumber(connection, serial.belegId)});
                        }
                        return serials;
                      });
}

std::string SerialNumbersCaption(Session& session, int64_t articleId) {
  return runOperation(
      session, operationName(kSerialWindow, OperationKind::Function, "Caption"),
      std::string("Seriennummern für "), [&] {
        Recordset rs(GlobalConnection(session),
                     "SELECT Artikelnummer, Bezeichnung1 FROM Artikel " + WhereIdIn("ID", articleId));
        if (rs.eof()) return std::string("Seriennummern für ");
        return std::string(
            trim("Seriennummern für " + rs["Artikelnummer"].toText() + " " + rs["Bezeichnung1"].toText()));
      });
}

bool AddSerialNumber(Session& session, SerialNumber& serial) {
  return runOperation(session, operationName(kSerialWindow, OperationKind::Sub, "Save_Item"), false, [&] {
    serial.serienNummer = std::string(trim(serial.serienNummer));
    if (serial.serienNummer.empty()) {
      WarnAboutArticleRow(session, "Bitte eine Seriennummer angegeben!");
      return false;
    }
    if (!ArticleRowsChangeable(session, serial.artikelId)) return false;
    Recordset rs(GlobalConnection(session), "SELECT Top 1 * FROM Seriennummern");
    rs.addNew();
    writeRecord(rs, serial, SerialNumberFields());
    rs.update();
    serial.id = rs["ID"].toInt();
    return true;
  });
}

bool DeleteSerialNumbers(Session& session, const std::vector<int64_t>& ids) {
  return runOperation(session, operationName(kSerialWindow, OperationKind::Sub, "Delete_Items"), false, [&] {
    if (ids.empty()) return false;
    Connection& connection = GlobalConnection(session);
    std::vector<std::string> keys;
    for (const int64_t id : ids) keys.push_back(std::to_string(id));
    const std::string list = joinStrings(keys, ",");
    Recordset rs(connection, "SELECT DISTINCT ArtikelID FROM Seriennummern WHERE ([ID] IN (" + list + "))");
    if (rs.eof()) return false;
    for (; !rs.eof(); rs.moveNext()) {
      if (!ArticleRowsChangeable(session, rs["ArtikelID"].toInt())) return false;
    }
    if (!session.ui().askYesNo("Sollen markierte Seriennummern gelöscht werden?", kProductName)) return false;
    connection.execute("Delete from Seriennummern where ([ID] IN (" + list + ")) ;");
    return true;
  });
}

}  // namespace orvosal

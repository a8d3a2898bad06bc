#include "masterdata/articles/bill_of_materials.h"

#include <stdexcept>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/version.h"
#include "masterdata/articles/article_child_rows.h"

namespace orvosal {
namespace {

constexpr const char* kBomWindow = "frmStueckliste";

const FieldDef<BomLine> kBomFields[] = {
    {"ID", &BomLine::id, true},
    {"StammArtikelID", &BomLine::stammArtikelId},
    {"ArtikelID", &BomLine::artikelId},
    {"Menge", &BomLine::menge},
    {"Bezeichnung", &BomLine::bezeichnung},
    {"Nummer", &BomLine::nummer},
    {"Pos", &BomLine::pos},
};

int64_t lineCount(Connection& connection, int64_t masterId) {
  return Recordset(connection, "SELECT count(ID) as Nummer FROM Stuecklisten WHERE ([StammArtikelID] IN (" +
                                   std::to_string(masterId) + "))")["Nummer"]
      .toInt();
}

// The component's number and description into the line; false when the component is not stored.
bool takeComponent(Connection& connection, BomLine& line) {
  if (line.artikelId <= 0) return false;
  Recordset rs(connection,
               "SELECT Artikelnummer, Bezeichnung1 FROM Artikel " + WhereIdIn("ID", line.artikelId));
  if (rs.eof()) return false;
  line.nummer = rs["Artikelnummer"].toText();
  line.bezeichnung = rs["Bezeichnung1"].toText();
  return true;
}

void markArticles(Connection& connection, const BomLine& line) {
  connection.execute("Update Artikel set [StücklistenArtikel] = 1, [MasterArtikel] = 0 where ([ID] IN (" +
                     std::to_string(line.artikelId) + ")) ;");
  connection.execute("Update Artikel set [StücklistenArtikel] = 0, [MasterArtikel] = 1 where ([ID] IN (" +
                     std::to_string(line.stammArtikelId) + ")) ;");
}

}  // namespace

FieldTable<BomLine> BomLineFields() { return kBomFields; }

std::vector<BomLine> ReadBillOfMaterials(Session& session, int64_t masterId) {
  return runOperation(
      session, operationName(kBomWindow, OperationKind::Sub, "Load_List"), std::vector<BomLine>{}, [&] {
        std::vector<BomLine> lines;
        Recordset rs(GlobalConnection(session),
                     "SELECT * FROM Stuecklisten " + WhereIdIn("StammArtikelID", masterId) + " ORDER BY Pos");
        for (; !rs.eof(); rs.moveNext()) lines.push_back(readRecord(rs, BomLineFields()));
        return lines;
      });
}

bool SaveBomLine(Session& session, BomLine& line) {
  return runOperation(session, operationName(kBomWindow, OperationKind::Sub, "Save_Item"), false, [&] {
    Connection& connection = GlobalConnection(session);
    BomLine saved = line;
    if (!takeComponent(connection, saved)) {
      WarnAboutArticleRow(session, "Kein Arikel gewählt");
      return false;
    }
    if (saved.artikelId == saved.stammArtikelId) {
      WarnAboutArticleRow(session, "Ein Artikel kann nicht Teil seiner eigenen Stückliste sein");
      return false;
    }
    if (!ArticleRowsChangeable(session, saved.stammArtikelId)) return false;
    if (saved.menge == Currency()) saved.menge = Currency::fromInteger(1);
    // The line and the marks of both articles stand or fall together.
    DbTransaction transaction(connection);
    const bool adding = saved.id == 0;
    Recordset rs(connection, adding ? std::string("SELECT Top 1 * FROM Stuecklisten")
                                    : "SELECT * FROM Stuecklisten " + WhereIdIn("ID", saved.id));
    if (adding) {
      saved.pos = static_cast<int>(lineCount(connection, saved.stammArtikelId) + 1);
      rs.addNew();
    } else if (rs.eof()) {
      throw std::runtime_error("Die Stücklistenzeile " + std::to_string(saved.id) +
                               " ist nicht mehr vorhanden.");
    }
    writeRecord(rs, saved, BomLineFields());
    rs.update();
    saved.id = rs["ID"].toInt();
    markArticles(connection, saved);
    transaction.commit();
    line = saved;
    return true;
  });
}

bool DeleteBomLine(Session& session, int64_t id) {
  return runOperation(session, operationName(kBomWindow, OperationKind::Sub, "Delete_Item"), false, [&] {
    Connection& connection = GlobalConnection(session);
    Recordset rs(connection, "SELECT StammArtikelID FROM Stuecklisten " + WhereIdIn("ID", id));
    if (rs.eof() || !ArticleRowsChangeable(session, rs["StammArtikelID"].toInt())) return false;
    if (!session.ui().askYesNo("markierte Stückliste löschen?", kProductName)) return false;
    connection.execute("Delete FROM Stuecklisten " + WhereIdIn("ID", id));
    return true;
  });
}

}  // namespace orvosal

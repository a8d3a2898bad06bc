#include "documents/pricing/price_scales.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "documents/pricing/price_text.h"

namespace orvosal {
namespace {

constexpr const char* kWindow = "frmPreisstaffeln";

std::string priceScaleOperation(OperationKind kind, const char* name) {
  return operationName(kWindow, kind, name);
}

PriceScaleRow readRow(const Recordset& rs) {
  PriceScaleRow row;
  row.id = rs["ID"].toInt();
  row.bezeichnung = rs["Bezeichnung"].toText();
  row.staffel = rs["Staffel"].toText();
  row.option = static_cast<int>(rs["Option"].toInt());
  row.wert = plainNumberText(rs["Wert"].toCurrency());
  row.rabatt = plainNumberText(rs["Rabatt"].toCurrency());
  row.preisArt = static_cast<int>(rs["PreisArt"].toInt());
  row.aktiv = rs["Aktiv"].toInt() == 1;
  return row;
}

// A threshold is a whole quantity or amount of at least 0 (the column keeps no decimals).
std::optional<int64_t> validThreshold(std::string_view text) {
  const std::optional<Currency> value = Currency::parse(text);
  if (!value || *value < Currency() || value->units() % Currency::kUnitsPerWhole != 0) return std::nullopt;
  return value->units() / Currency::kUnitsPerWhole;
}

// A discount is a percentage from 0 to 100.
std::optional<Currency> validDiscount(std::string_view text) {
  const std::optional<Currency> value = Currency::parse(text);
  if (!value || *value < Currency() || *value > Currency::fromInteger(100)) return std::nullopt;
  return value;
}

// The reason the row cannot be saved, empty when it can.
std::string refusal(const PriceScaleRow& row) {
  if (trim(row.bezeichnung).empty()) return "Es wurde keine Bezeichnung angegeben!";
  if (trim(row.staffel).empty()) return "Es wurde keine Staffel angegeben!";
  if (!validThreshold(row.wert)) return "Es wurde kein gültiger Wert angegeben!";
  if (!validDiscount(row.rabatt)) return "Es wurde kein gültiger Rabatt angegeben!";
  if (row.preisArt < 1 || row.preisArt > 9) return "Es wurde keine gültige Preisart angegeben!";
  return "";
}

}  // namespace

std::vector<PriceScaleRow> ListPriceScaleRows(Session& session) {
  return runOperation(session, priceScaleOperation(OperationKind::Sub, "Load_List"),
                      std::vector<PriceScaleRow>{}, [&] {
                        std::vector<PriceScaleRow> rows;
                        for (Recordset rs(GlobalConnection(session),
                                          "SELECT * FROM Preisstaffeln ORDER BY Staffel, Wert, ID");
                             !rs.eof(); rs.moveNext()) {
                          rows.push_back(readRow(rs));
                        }
                        return rows;
                      });
}

std::vector<std::string> ActivePriceScaleNames(Session& session) {
  return runOperation(
      session, priceScaleOperation(OperationKind::Function, "Load_Staffeln"), std::vector<std::string>{},
      [&] {
        std::vector<std::string> names;
        for (Recordset rs(
                 GlobalConnection(session),
                 "SELECT DISTINCT Staffel FROM Preisstaffeln WHERE ([Aktiv] IN (1)) ORDER BY Staffel");
             !rs.eof(); rs.moveNext()) {
          const std::string name = rs["Staffel"].toText();
          if (!trim(name).empty()) names.push_back(name);
        }
        return names;
      });
}

bool SavePriceScaleRow(Session& session, PriceScaleRow& row) {
  return runOperation(session, priceScaleOperation(OperationKind::Sub, "Save_Item"), false, [&] {
    if (!RequireRight(session, "Save_Artikel")) return false;
    if (const std::string reason = refusal(row); !reason.empty()) {
      session.ui().message(reason, kProductName, MessageKind::Warning);
      return false;
    }
    Connection& connection = GlobalConnection(session);
    const bool adding = row.id == 0;
    Recordset rs(connection,
                 adding ? std::string("SELECT Top 1 * FROM Preisstaffeln")
                        : "SELECT * FROM Preisstaffeln WHERE ([ID] IN (" + std::to_string(row.id) + "))");
    if (adding) {
      rs.addNew();
    } else if (rs.eof()) {
      throw std::runtime_error("Der Eintrag " + std::to_string(row.id) + " ist nicht mehr vorhanden.");
    }
    rs.set("Bezeichnung", Value(std::string(trim(row.bezeichnung))));
    rs.set("Staffel", Value(std::string(trim(row.staffel))));
    rs.set("Option", Value(row.option > 0 ? 1 : 0));
    rs.set("Wert", Value(*validThreshold(row.wert)));
    rs.set("Rabatt", Value(*validDiscount(row.rabatt)));
    rs.set("PreisArt", Value(row.preisArt));
    rs.set("Aktiv", Value(row.aktiv ? 1 : 0));
    rs.update();
    row.id = rs["ID"].toInt();
    row.bezeichnung = std::string(trim(row.bezeichnung));
    row.staffel = std::string(trim(row.staffel));
    row.option = row.option > 0 ? 1 : 0;
    row.wert = std::to_string(*validThreshold(row.wert));
    row.rabatt = plainNumberText(*validDiscount(row.rabatt));
    WriteUserHistory(session,
                     "Preisstaffel-ID " + std::to_string(row.id) + (adding ? " erfasst" : " geändert"),
                     kWindow, row.id);
    return true;
  });
}

bool DeletePriceScaleRow(Session& session, int64_t id) {
  return runOperation(session, priceScaleOperation(OperationKind::Sub, "Delete_Item"), false, [&] {
    if (!RequireRight(session, "Delete_Artikel")) return false;
    Connection& connection = GlobalConnection(session);
    if (Recordset(connection, "SELECT ID FROM Preisstaffeln WHERE ([ID] IN (" + std::to_string(id) + "))")
            .eof())
      return false;
    if (!session.ui().askYesNo("Soll Eintrag wirklich gelöscht werden?", kProductName)) return false;
    connection.execute("DELETE FROM Preisstaffeln WHERE ([ID] IN (" + std::to_string(id) + "))");
    WriteUserHistory(session, "Preisstaffel-ID " + std::to_string(id) + " gelöscht", kWindow, id);
    return true;
  });
}

}  // namespace orvosal

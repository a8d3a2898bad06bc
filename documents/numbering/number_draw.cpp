#include "documents/numbering/number_draw.h"

#include <optional>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/rules/legacy_counters.h"
#include "core/system_settings/document_settings.h"
#include "core/text.h"
#include "documents/numbering/number_format.h"

namespace orvosal {
namespace {

constexpr std::string_view kNumberDrawModule = "mdl1System";

bool isIdentifier(std::string_view id) { return isNumeric(trim(id)); }

bool holdsNumber(const Value& value) {
  return value.isNumber() || (value.isText() && isNumeric(trim(value.toText())));
}

bool numberExists(Connection& connection, std::string_view number, bool sales) {
  Recordset rs(connection, "SELECT count(BelegID) as Anzahl FROM BelegKopf WHERE ([Belegnummer] = '" +
                               SqlText(number) + "' AND " +
                               CreateBooleanSelect(connection.dialect(), "Kunde", sales, false) + ");");
  return !rs.eof() && rs["Anzahl"].toInt() > 0;
}

std::string drawFromRange(Session& session, Connection& connection, std::string_view id, bool erhoehen) {
  if (!isIdentifier(id)) return {};
  Recordset rs(connection, "SELECT * FROM Nummerkreise WHERE ([ID] IN (" + std::string(trim(id)) + "))");
  if (rs.eof()) return {};
  const std::string vortext = Replace_Year_Placeholders(session, rs["Vortext"].toText());
  // A range without a number starts at 0, as the column's initial value does.
  const int64_t current = rs["Nummer"].toInt();
  if (erhoehen) {
    rs.set("Nummer", Value(current + 1));
    rs.update();
  }
  const std::string nachtext = Replace_Year_Placeholders(session, rs["Nachtext"].toText());
  const int64_t stellen = rs["Stellen"].toInt();
  if (stellen < 0) return {};
  return Replace_Year_Placeholders(
      session, vortext + padRangeNumber(std::to_string(current), static_cast<int>(stellen)) + nachtext);
}

// The legacy counter of the area as the next draw answers it, without advancing it.
std::string peekLegacyCounter(Connection& connection, bool sales) {
  Recordset rs(connection, "Select Top 1 * from Nummernkreise");
  return rs.eof() ? "1" : rs[sales ? "Verkauf" : "Einkauf"].toText();
}

struct TypeDraw {
  std::string number;
  bool sales = true;
  bool ownCounter = false;
};

std::string ownNumber(Session& session, const Recordset& type) {
  return Replace_Year_Placeholders(
      session, trim(type["Beginntext"].toText() + type["Nummer"].toText() + type["Endtext"].toText()));
}

TypeDraw drawForType(Session& session, Connection& connection, std::string_view id, bool erhoehen) {
  TypeDraw draw;
  if (!isIdentifier(id)) return draw;
  Recordset type(connection, "SELECT * FROM Belegarten WHERE ([ID] IN (" + std::string(trim(id)) + "));");
  if (type.eof()) return draw;
  draw.sales = type["Kundenbereich"].toBool();
  const auto taken = [&](const std::string& number) {
    return !number.empty() && numberExists(connection, number, draw.sales);
  };
  if (type["Allgemeine"].toBool()) {
    const int64_t range = type["NummerkreisID"].toInt();
    if (range > 0) {
      const std::string rangeId = std::to_string(range);
      draw.number = drawFromRange(session, connection, rangeId, erhoehen);
      while (erhoehen && taken(draw.number)) draw.number = drawFromRange(session, connection, rangeId, true);
    } else if (!erhoehen) {
      // Only shown: the counter stays where it is.
      draw.number = peekLegacyCounter(connection, draw.sales);
    } else {
      const std::string_view code = draw.sales ? "V" : "E";
      draw.number = drawLegacyCounter(connection, code);
      while (taken(draw.number)) draw.number = drawLegacyCounter(connection, code);
    }
    return draw;
  }
  draw.ownCounter = true;
  if (!holdsNumber(type["Nummer"])) {
    type.set("Nummer", Value(1));
    type.update();
    draw.number = ownNumber(session, type);
    return draw;
  }
  draw.number = ownNumber(session, type);
  while (erhoehen && taken(draw.number)) {
    type.set("Nummer", Value(type["Nummer"].toInt() + 1));
    type.update();
    draw.number = ownNumber(session, type);
  }
  return draw;
}

// Advances the type's own counter past the number it handed out.
void moveOwnCounterPast(Connection& connection, std::string_view typeId) {
  Recordset type(connection, "SELECT * FROM Belegarten WHERE ([ID] IN (" + std::string(typeId) + "));");
  if (type.eof()) return;
  type.set("Nummer", Value(type["Nummer"].toInt() + 1));
  type.update();
}

// Draws the type's number to be handed out: never one a document of the area holds, and the
// type's own counter moves past it.
TypeDraw handOut(Session& session, Connection& connection, const std::string& typeId) {
  TypeDraw draw = drawForType(session, connection, typeId, true);
  // A type whose counter was just set up answers its first number unchecked; draw again while
  // a document of the area holds it.
  while (!draw.number.empty() && numberExists(connection, draw.number, draw.sales))
    draw = drawForType(session, connection, typeId, true);
  if (draw.ownCounter && !draw.number.empty()) moveOwnCounterPast(connection, typeId);
  return draw;
}

std::string assign(Session& session, Connection& connection, int64_t belegId) {
  const std::string id = std::to_string(belegId);
  DbTransaction transaction(connection, kCounterLock);
  Recordset document(
      connection,
      "SELECT BelegID, Belegnummer, BelegartenID FROM Belegkopf WHERE ([BelegID] IN (" + id + "))");
  if (document.eof() || !trim(document["Belegnummer"].toText()).empty()) return {};
  if (!ReadDocumentSettings(session).automaticNumbers) return {};
  const TypeDraw draw = handOut(session, connection, document["BelegartenID"].toText());
  if (draw.number.empty()) return {};
  connection.execute("Update Belegkopf Set Belegnummer = '" + SqlText(draw.number) +
                     "' WHERE ([BelegID] IN (" + id + "))");
  transaction.commit();
  return draw.number;
}

template <typename Body>
std::string numberOperation(Session& session, std::string_view name, Body&& body) {
  return runOperation(session, operationName(kNumberDrawModule, OperationKind::Function, name), std::string(),
                      std::forward<Body>(body));
}

}  // namespace

std::string Create_DB_Beleg_Nummer(Session& session, std::string_view nummerkreisId, bool erhoehen) {
  return numberOperation(session, "Create_DB_Beleg_Nummer", [&] {
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection, kCounterLock);
    std::string number = drawFromRange(session, connection, nummerkreisId, erhoehen);
    transaction.commit();
    return number;
  });
}

std::string Create_DB_Beleg_Nummer_FROM_Belegart(Session& session, std::string_view belegartenId,
                                                 bool erhoehen) {
  return numberOperation(session, "Create_DB_Beleg_Nummer_FROM_Belegart", [&] {
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection, kCounterLock);
    std::string number = drawForType(session, connection, belegartenId, erhoehen).number;
    transaction.commit();
    return number;
  });
}

bool Belegnummer_Exists(Session& session, std::string_view belegnummer, bool kundenbereich) {
  return runOperation(session,
                      operationName(kNumberDrawModule, OperationKind::Function, "Belegnummer_Exists"), false,
                      [&] { return numberExists(GlobalConnection(session), belegnummer, kundenbereich); });
}

std::string handOutDocumentNumber(Session& session, std::string_view belegartenId) {
  return numberOperation(session, "handOutDocumentNumber", [&] {
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection, kCounterLock);
    std::string number = handOut(session, connection, std::string(trim(belegartenId))).number;
    transaction.commit();
    return number;
  });
}

std::string assignDocumentNumber(Session& session, int64_t belegId) {
  return numberOperation(session, "assignDocumentNumber",
                         [&] { return assign(session, GlobalConnection(session), belegId); });
}

}  // namespace orvosal

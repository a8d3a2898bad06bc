#include "documents/types/number_range_editor.h"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <vector>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "core/users/rights.h"
#include "core/version.h"

namespace orvosal {
namespace {

constexpr const char* kRangeEditorModule = "frmOptionen";
constexpr const char* kRangeEditorRight = "System";
constexpr int kMaxStellen = 10;

std::string browseSql(BrowseStep step, int64_t currentId) {
  const std::string id = std::to_string(currentId);
  switch (step) {
    case BrowseStep::First:
      return "SELECT Top 1 * FROM Nummerkreise ORDER BY [ID]";
    case BrowseStep::Previous:
      return "SELECT Top 1 * FROM Nummerkreise WHERE ([ID] < " + id + ") ORDER BY [ID] DESC";
    case BrowseStep::Next:
      return "SELECT Top 1 * FROM Nummerkreise WHERE ([ID] > " + id + ") ORDER BY [ID]";
    case BrowseStep::Last:
      return "SELECT Top 1 * FROM Nummerkreise ORDER BY [ID] DESC";
  }
  return {};
}

// The next number as a whole number that the `Nummer` column (a 32-bit integer) can hold.
std::optional<int64_t> wholeNumber(std::string_view typed) {
  const std::string_view text = trim(typed);
  int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 0 ||
      number > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return number;
}

void writeRange(Session& session, NumberRange& range) {
  Connection& connection = GlobalConnection(session);
  if (range.id == 0) {
    Recordset rs(connection, "SELECT Top 1 * FROM Nummerkreise");
    rs.addNew();
    writeRecord(rs, range, NumberRangeFields());
    rs.update();
    range.id = rs["ID"].toInt();
    return;
  }
  Recordset rs(connection, "SELECT * FROM Nummerkreise WHERE ([ID] IN (" + std::to_string(range.id) + "))");
  if (rs.eof())
    throw std::runtime_error("Der Nummernkreis " + std::to_string(range.id) + " ist nicht mehr vorhanden.");
  writeRecord(rs, range, NumberRangeFields());
  rs.update();
}

// The titles of the document types that draw their numbers from the range, comma-separated.
std::string typesDrawingFrom(Session& session, int64_t id) {
  std::vector<std::string> titles;
  for (Recordset rs(GlobalConnection(session),
                    "SELECT Belegtitel FROM Belegarten WHERE ([NummerkreisID] IN (" + std::to_string(id) +
                        ")) ORDER BY [ID]");
       !rs.eof(); rs.moveNext()) {
    titles.push_back(rs["Belegtitel"].toText());
  }
  return joinStrings(titles, ", ");
}

}  // namespace

std::optional<NumberRange> BrowseNumberRange(Session& session, BrowseStep step, int64_t currentId) {
  return runOperation(session,
                      operationName(kRangeEditorModule, OperationKind::Sub, "Nummernkreis_Blaettern"),
                      std::optional<NumberRange>(), [&]() -> std::optional<NumberRange> {
                        Recordset rs(GlobalConnection(session), browseSql(step, currentId));
                        if (rs.eof()) return std::nullopt;
                        return readRecord(rs, NumberRangeFields());
                      });
}

std::vector<NumberRange> ListNumberRanges(Session& session) {
  return runOperation(
      session, operationName(kRangeEditorModule, OperationKind::Function, "Nummernkreise_Liste"),
      std::vector<NumberRange>(), [&] {
        std::vector<NumberRange> ranges;
        for (Recordset rs(GlobalConnection(session), "SELECT * FROM Nummerkreise ORDER BY [ID]"); !rs.eof();
             rs.moveNext()) {
          ranges.push_back(readRecord(rs, NumberRangeFields()));
        }
        return ranges;
      });
}

NumberRangeDraft DraftOf(const NumberRange& range) {
  return {range.id, range.vortext, std::to_string(range.nummer), range.nachtext, range.stellen};
}

bool SaveNumberRange(Session& session, NumberRangeDraft& draft) {
  return runOperation(
      session, operationName(kRangeEditorModule, OperationKind::Sub, "Nummernkreis_Speichern"), false, [&] {
        if (!RequireRight(session, kRangeEditorRight)) return false;
        const std::optional<int64_t> nummer = wholeNumber(draft.nummer);
        if (!nummer || draft.stellen < 0 || draft.stellen > kMaxStellen) {
          session.ui().message("Daten unvollständig!", kProductName, MessageKind::Warning);
          return false;
        }
        const bool adding = draft.id == 0;
        NumberRange range{draft.id, draft.vortext, *nummer, draft.nachtext, draft.stellen};
        writeRange(session, range);
        draft = DraftOf(range);
        session.ui().message(adding ? "Daten gespeichert!" : "Daten geändert!", kProductName,
                             MessageKind::Information);
        return true;
      });
}

bool DeleteNumberRange(Session& session, int64_t id) {
  return runOperation(
      session, operationName(kRangeEditorModule, OperationKind::Sub, "Nummernkreis_Loeschen"), false, [&] {
        if (!RequireRight(session, kRangeEditorRight)) return false;
        if (const std::string users = typesDrawingFrom(session, id); !users.empty()) {
          session.ui().message("Der Nummernkreis wird noch von diesen Belegarten verwendet: " + users +
                                   ". Er kann nicht gelöscht werden.",
                               kProductName, MessageKind::Warning);
          return false;
        }
        if (!session.ui().askYesNo("Nummernkreis wirklich löschen ?", kProductName)) return false;
        GlobalConnection(session).execute("Delete FROM Nummerkreise WHERE ([ID] IN (" + std::to_string(id) +
                                          "))");
        return true;
      });
}

bool LeaveNumberRange(Session& session, const NumberRangeDraft& shown, NumberRangeDraft& entered) {
  if (entered == shown) return true;
  if (!session.ui().askYesNo("Daten wurden geändert und noch nicht gepeichert!\nJetzt speichern?",
                             kProductName)) {
    return true;
  }
  return SaveNumberRange(session, entered);
}

}  // namespace orvosal

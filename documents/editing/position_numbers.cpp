#include "documents/editing/position_numbers.h"

#include <algorithm>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "documents/editing/open_document.h"

namespace orvosal {
namespace {

// A position number counts as numeric when it is a whole number: "1.1" or "2a" keep their text.
bool isWholeNumber(std::string_view text) {
  const std::string_view trimmed = trim(text);
  return !trimmed.empty() &&
         std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string Nummer_Erhöhen(std::string_view text) {
  std::string counted(text);
  for (size_t i = counted.size(); i-- > 0;) {
    const char c = counted[i];
    if ((c >= '0' && c <= '8') || (c >= 'A' && c <= 'Y') || (c >= 'a' && c <= 'y')) {
      counted[i] = static_cast<char>(c + 1);
      return counted;
    }
    if (c == '9') {
      counted[i] = '0';
    } else if (c == 'Z' || c == 'z') {
      counted.erase(i, 1);
    }
  }
  return "1" + counted;
}

std::string nextPositionNumber(std::span<const DocumentPosition> positions) {
  for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
    if (!it->posnummer.empty()) return Nummer_Erhöhen(it->posnummer);
  }
  return "1";
}

bool Change_PosNumber(Session& session, int64_t belegId) {
  if (belegId <= 0) return false;
  return runOperation(
      session, operationName(kDocumentWindow, OperationKind::Sub, "Change_PosNumber"), false, [&] {
        Recordset rs(GlobalConnection(session), "SELECT * FROM Belegpositionen WHERE ([BelegID] IN (" +
                                                    std::to_string(belegId) +
                                                    ")) ORDER BY [Zeilennummer],[ID]");
        int counter = 1;
        for (; !rs.eof(); rs.moveNext()) {
          if (!isWholeNumber(rs["Posnummer"].toText())) continue;
          const std::string number = std::to_string(counter++);
          if (rs["Posnummer"].toText() == number) continue;
          rs.set("Posnummer", Value(number));
          rs.update();
        }
        return true;
      });
}

}  // namespace orvosal

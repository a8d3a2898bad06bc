#include <algorithm>

#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/error_log.h"
#include "core/operation_guard.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "documents/editing/document_operation.h"
#include "documents/editing/document_rows.h"
#include "documents/editing/open_document.h"
#include "documents/editing/position_numbers.h"

// Deleting, moving and renumbering the positions of an open document.

namespace orvosal {
bool OpenDocument::deletePositions(std::span<const int64_t> marked) {
  // Only positions of this document are deleted, each once.
  std::vector<int64_t> ids;
  for (const int64_t id : marked) {
    const bool ours =
        std::any_of(positions_.begin(), positions_.end(), [&](const auto& p) { return p.id == id; });
    if (ours && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  }
  if (ids.empty()) {
    refuse(*session_, "Keine Position markiert!");
    return false;
  }
  if (locked_) {
    refuse(*session_, " Position kann nicht gelöscht werden!");
    return false;
  }
  if (!RequireRight(*session_, "Delete_Items")) return false;
  if (!session_->ui().askYesNo("Sollen markierte Positionen gelöscht werden?", kProductName)) return false;
  const bool deleted = runOperation(*session_, documentOperation("Delete_Items"), false, [&] {
    Connection& connection = GlobalConnection(*session_);
    DbTransaction transaction(connection);
    connection.execute("DELETE FROM Belegpositionen WHERE ([ID] IN (" + joinIds(ids) + "));");
    afterWrite();
    transaction.commit();
    return true;
  });
  if (deleted) {
    WriteUserHistory(*session_, std::to_string(ids.size()) + " Artikel gelöscht", kDocumentWindow,
                     header_.belegId);
  }
  return deleted;
}

bool OpenDocument::movePosition(int64_t positionId, bool up) {
  const auto found =
      std::find_if(positions_.begin(), positions_.end(), [&](const auto& p) { return p.id == positionId; });
  if (found == positions_.end()) return false;
  const size_t index = static_cast<size_t>(found - positions_.begin());
  if (up ? index == 0 : index + 1 >= positions_.size()) return false;
  if (!mayWritePositions()) return false;
  const size_t other = up ? index - 1 : index + 1;
  std::vector<DocumentPosition> order = positions_;
  std::swap(order[index], order[other]);
  // Swapping the two line numbers keeps every other line; two lines that share a number (two
  // windows inserted at once) are told apart by numbering all lines anew.
  std::vector<int> lines;
  if (positions_[index].zeilennummer != positions_[other].zeilennummer) {
    for (const DocumentPosition& p : positions_) lines.push_back(p.zeilennummer);
  } else {
    for (size_t i = 0; i < order.size(); ++i) lines.push_back(static_cast<int>(i) + 1);
  }
  return runOperation(*session_, documentOperation("Move_Item"), false, [&] {
    Connection& connection = GlobalConnection(*session_);
    DbTransaction transaction(connection);
    for (size_t i = 0; i < order.size(); ++i) {
      if (order[i].zeilennummer == lines[i]) continue;
      connection.execute("UPDATE Belegpositionen SET [Zeilennummer] = " + std::to_string(lines[i]) +
                         " WHERE ([ID] IN (" + std::to_string(order[i].id) + "))");
    }
    afterWrite();
    transaction.commit();
    return true;
  });
}

bool OpenDocument::renumberPositions() {
  if (!saved() || !mayWritePositions()) return false;
  if (!Change_PosNumber(*session_, header_.belegId)) return false;
  return runOperation(*session_, documentOperation("Change_PosNumber"), false, [&] {
    afterWrite();
    return true;
  });
}

}  // namespace orvosal

#include "documents/types/belegart_index.h"

#include <string>

#include "core/db/database.h"
#include "core/db/sql_helpers.h"
#include "core/db/transaction.h"
#include "documents/types/document_type_store.h"

namespace orvosal {

std::vector<BelegartIndex> BelegartIndexes(const std::vector<DocumentType>& types) {
  constexpr int64_t kInactiveBase = 10000;
  std::vector<BelegartIndex> indexes;
  int64_t activePosition = 0;
  int64_t position = 0;
  for (const DocumentType& type : types) {
    indexes.push_back({type.id, type.isActive() ? activePosition++ : kInactiveBase + position});
    ++position;
  }
  return indexes;
}

void ReindexBelegart(Session& session, bool sales) {
  Connection& connection = GlobalConnection(session);
  const std::string area = CreateBooleanSelect(session.database().dialect, "Kunde", sales, false);
  DbTransaction transaction(connection);
  for (const BelegartIndex& index : BelegartIndexes(ListDocumentTypes(session, sales))) {
    connection.execute("UPDATE Belegkopf SET Belegart = " + std::to_string(index.belegart) +
                       "  WHERE ([BelegartenID] IN (" + std::to_string(index.typeId) + ")  AND " + area +
                       ");");
  }
  transaction.commit();
}

}  // namespace orvosal

#include "cli/types_command.h"

#include <ostream>

#include "cli/table_output.h"
#include "documents/types/belegart_index.h"
#include "documents/types/document_type_store.h"
#include "documents/types/number_source.h"

namespace orvosal {

int runTypes(CommandContext& context) {
  writeTableRow(context.out,
                {"ID", "Bereich", "Belegart", "Belegtitel", "Formular", "Aktiv", "Nummernquelle"});
  for (const bool sales : {true, false}) {
    const std::vector<DocumentType> types = ListDocumentTypes(context.session, sales);
    const std::vector<BelegartIndex> indexes = BelegartIndexes(types);
    for (size_t i = 0; i < types.size(); ++i) {
      const DocumentType& type = types[i];
      writeTableRow(
          context.out,
          {std::to_string(type.id), AreaName(sales), std::to_string(indexes[i].belegart), type.belegtitel,
           type.formularname + ".lst", type.isActive() ? "ja" : "nein", NumberSourceText(type)});
    }
  }
  return kExitSuccess;
}

}  // namespace orvosal

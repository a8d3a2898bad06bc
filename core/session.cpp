#include "core/session.h"

#include "core/schema/column_spelling.h"

namespace orvosal {

Session::Session(std::filesystem::path programFolder, Ui& ui, const Clock& clock)
    : programFolder_(std::move(programFolder)),
      ui_(ui),
      clock_(clock),
      settings_(programFolder_),
      errorLog_(programFolder_, clock_, ui_) {
  database_.columnSpelling = schemaColumnSpelling;
}

}  // namespace orvosal

#include "cli/table_output.h"

#include <ostream>

namespace orvosal {

void writeTableRow(std::ostream& out, const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    for (char c : fields[i]) {
      if (c == '\t') {
        line += "\\t";
      } else if (c == '\n') {
        line += "\\n";
      } else if (c != '\r') {
        line += c;
      }
    }
  }
  out << line << '\n';
}

}  // namespace orvosal

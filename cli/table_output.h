#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvosal {

// One line of a list on the command line: the fields separated by tabs. Tabs and line breaks inside
// a field would break the line format; they are written as \t and \n, carriage returns dropped.
void writeTableRow(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace orvosal

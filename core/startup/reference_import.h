#pragma once

#include <string_view>

#include "core/session.h"

namespace orvosal {

// Reference lists dropped into the program folder are read into their tables at start:
//
//   "CSV_Database_of_Last_Names.csv"   -> Find_Nachnamen
//   "CSV_Database_of_First_Names.csv"  -> Find_Vornamen
//   "sBank.csv"                        -> sBank
//   "sPLZ.csv"                         -> sPLZ
//
// File format:
//  - Text in UTF-8 (with or without byte-order mark) or Windows-1252; the encoding is detected.
//  - Fields separated by ";". A field may be enclosed in double quotes, which it needs when it
//    holds a ";", a quote (written twice: "") or a line break. Blank lines are skipped.
//  - The first line names the columns of the table that the following lines fill, in any order
//    and any subset, without regard to case (for example "PLZ;Ort;Vorwahl"). The key column `ID`
//    is numbered by the database and may not appear; a name that is no column of the table is
//    an error.
//  - Every further line holds exactly as many fields as the header names columns. Values are
//    taken as written; an empty field stores Null. A value must fit its column (text length,
//    number, date in the form dd.mm.yyyy).
//
// A file replaces the whole content of its table, in one transaction: a reference list is always
// delivered complete. A file with any fault (no header, unknown column, wrong field count, a value
// that does not fit, no data line at all) is not imported: the table keeps its rows, the user is
// told the file, the line and the fault, and the file stays where it is to be corrected. A file
// that was imported is renamed to "<name>.imported" (an older one of that name is replaced), so
// it is read only once; to import a list again, drop it into the folder again.

// Imports `fileName` from the program folder into `table` as described above, when the file
// exists. True when the table was replaced.
bool ImportReferenceFile(Session& session, std::string_view fileName, std::string_view table);

// The four imports of the start-up, in their fixed order, each only when its file exists.
void ImportReferenceLists(Session& session);

}  // namespace orvosal

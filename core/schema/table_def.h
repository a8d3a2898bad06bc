#pragma once

#include <span>
#include <string_view>

namespace orvosal {

// The storage format as data: every table the schema builder ensures and every column in it, in the
// order in which they are ensured. Creating the tables, the versioned upgrade and the copy between
// databases all read this list, so the names are spelt exactly as the stored data has them.

struct ColumnDef {
  std::string_view name;
  // As the column-ensuring operation takes it: "VARCHAR", "INT", "SMALLINT", "MONEY", "DEZIMAL", "TEXT",
  // "BIT", "DATE", "DATETIME", or another word passed through unchanged such as "FLOAT".
  std::string_view typeWord;
  std::string_view size;     // "50", "18,4" or empty
  std::string_view initial;  // written into existing rows when the column is added; empty for none
  // The upgrade step (e.g. 20190619) that adds the column to older databases; 0 when the column belongs
  // to the table from the start; 20190601 for the columns of the first upgrade block.
  int addedBy = 0;
};

struct TableDef {
  std::string_view name;
  std::string_view key;  // the auto-increment key column
  int createdBy = 0;     // 0: created by the all-tables creator; else the upgrade step that creates it
  std::span<const ColumnDef> columns;  // without the key, in the order they are ensured
};

// Every table in the order of the all-tables creator, followed by the tables that only upgrade steps
// create (in step order).
std::span<const TableDef> allTables();

// The table of that name: the exact name, else the first name equal without regard to case (ASCII and
// German umlauts). nullptr when there is none.
const TableDef* findTable(std::string_view name);

}  // namespace orvosal

#include "core/db/result_names.h"

#include "core/text.h"

namespace orvosal {
namespace {

// The select-list item each result column comes from. Items in front of the first `*` count from
// the first column, items behind the last `*` from the last; a list that does not add up to the
// result (not understood) names nothing.
std::vector<const SelectItemName*> itemsByColumn(size_t columnCount,
                                                 const std::vector<SelectItemName>& items) {
  std::vector<const SelectItemName*> byColumn(columnCount, nullptr);
  size_t firstStar = items.size();
  size_t lastStar = items.size();
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].star) continue;
    if (firstStar == items.size()) firstStar = i;
    lastStar = i;
  }
  const size_t behind = firstStar == items.size() ? 0 : items.size() - lastStar - 1;
  const bool fits =
      firstStar == items.size() ? items.size() == columnCount : firstStar + behind <= columnCount;
  if (!fits) return byColumn;
  for (size_t i = 0; i < firstStar; ++i) byColumn[i] = &items[i];
  for (size_t k = 0; k < behind; ++k) byColumn[columnCount - behind + k] = &items[lastStar + 1 + k];
  return byColumn;
}

std::string programName(const ResultColumn& column, const SelectItemName* item,
                        const TranslatedSql& statement, const ColumnSpelling& spelling) {
  if (item != nullptr && !item->alias.empty()) return item->alias;
  // A computed column is named as written: the engines name it each in their own way, from
  // "?column?" to the rewritten text ("1/2.0"), and a rewrite is no business of the caller.
  if (item != nullptr && !item->written.empty()) return item->written;
  // A result name other than its table column's comes from an alias further inside.
  if (spelling && !column.baseColumn.empty() && equalsNoCase(column.name, column.baseColumn)) {
    const std::string_view spelled = spelling(column.baseTable, column.baseColumn);
    if (!spelled.empty()) return std::string(spelled);
  }
  if (item != nullptr && !item->column.empty() && equalsNoCase(column.name, item->column))
    return item->column;
  // An alias of a subquery reached through `*`.
  for (const std::string& alias : statement.aliases) {
    if (equalsNoCase(column.name, alias)) return alias;
  }
  return column.name;
}

// A result whose columns carry other names than the engine gave them.
class RenamedRows final : public RowSource {
 public:
  RenamedRows(std::unique_ptr<RowSource> rows, std::vector<ResultColumn> columns)
      : rows_(std::move(rows)), columns_(std::move(columns)) {}

  const std::vector<ResultColumn>& columns() const override { return columns_; }
  bool next() override { return rows_->next(); }
  Value storedValue(int column) const override { return rows_->storedValue(column); }
  void takeRow(std::vector<Value>& into) override { rows_->takeRow(into); }

 private:
  std::unique_ptr<RowSource> rows_;
  std::vector<ResultColumn> columns_;
};

}  // namespace

std::vector<std::string> programColumnNames(const std::vector<ResultColumn>& columns,
                                            const TranslatedSql& statement, const ColumnSpelling& spelling) {
  const std::vector<const SelectItemName*> byColumn = itemsByColumn(columns.size(), statement.selectItems);
  std::vector<std::string> names;
  names.reserve(columns.size());
  for (size_t i = 0; i < columns.size(); ++i)
    names.push_back(programName(columns[i], byColumn[i], statement, spelling));
  return names;
}

std::unique_ptr<RowSource> withProgramColumnNames(std::unique_ptr<RowSource> rows,
                                                  const TranslatedSql& statement,
                                                  const ColumnSpelling& spelling) {
  std::vector<std::string> names = programColumnNames(rows->columns(), statement, spelling);
  bool same = true;
  for (size_t i = 0; i < names.size() && same; ++i) same = names[i] == rows->columns()[i].name;
  if (same) return rows;
  std::vector<ResultColumn> columns = rows->columns();
  for (size_t i = 0; i < columns.size(); ++i) {
    columns[i].name = std::move(names[i]);
    columns[i].info.name = columns[i].name;
  }
  return std::make_unique<RenamedRows>(std::move(rows), std::move(columns));
}

}  // namespace orvosal

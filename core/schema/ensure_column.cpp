#include "core/schema/ensure_column.h"

#include "core/db/database.h"
#include "core/db/sql_helpers.h"
#include "core/text.h"

namespace orvosal {
namespace {

enum class InitialForm { None, Number, Text };

struct TypeForm {
  std::string_view word;
  std::string_view serverType;
  std::string_view fileType;
  std::string_view terminator;  // what ends the adding statement after the type
  InitialForm initial;
  bool sized;
};

// The column type of each type word in both dialects; "#" stands for the size.
constexpr TypeForm kTypeForms[] = {
    {"INT", "[int] NULL", "int NULL", " ;", InitialForm::Number, false},
    {"SMALLINT", "[SMALLINT] NULL", "SMALLINT NULL", " ;", InitialForm::Number, false},
    {"MONEY", "[money] NULL", "MONEY NULL", " ;", InitialForm::Number, false},
    {"DEZIMAL", "[decimal](#) NULL", "decimal(#) NULL", " ;", InitialForm::Number, true},
    {"TEXT", "[text] NULL", "text NULL", " ;", InitialForm::Text, false},
    {"VARCHAR", "[varchar](#) NULL", "CHAR(#) NULL", " ;", InitialForm::Text, true},
    {"BIT", "[bit]  NULL", "BIT  NULL", ";", InitialForm::None, false},
    {"DATE", "[datetime] NULL", "date NULL", " ;", InitialForm::None, false},
    {"DATETIME", "[datetime] NULL", "date NULL", " ;", InitialForm::None, false},
};

const TypeForm* typeForm(std::string_view upperWord) {
  for (const auto& form : kTypeForms) {
    if (form.word == upperWord) return &form;
  }
  return nullptr;
}

bool isSizeAboveZero(std::string_view size) {
  const Value number{std::string(trim(size))};
  return isNumeric(trim(size)) && number.toDouble() > 0;
}

std::string withoutBrackets(std::string_view table) {
  if (table.size() >= 2 && table.front() == '[' && table.back() == ']')
    return std::string(table.substr(1, table.size() - 2));
  return std::string(table);
}

// A number as written in SQL: plain numbers unchanged ("0", "-1.5"), German ones with a point.
std::string sqlNumberText(std::string_view number) {
  const std::string_view plain = trim(number);
  if (plain.find_first_not_of("-0123456789.") == std::string_view::npos) return std::string(plain);
  return SqlNumber(Value(std::string(plain)), 4);
}

// The probe answered from the table's catalog, read once per table until the next schema change.
bool columnExists(Connection& connection, std::string_view table, std::string_view column) {
  try {
    return connection.tableSchema(withoutBrackets(table)).find(column) != nullptr;
  } catch (const DbError&) {
    return false;
  }
}

}  // namespace

std::string tableReference(std::string_view table) {
  if (table.starts_with('[')) return std::string(table);
  if (table.find(' ') != std::string_view::npos) return "[" + std::string(table) + "]";
  return std::string(table);
}

std::optional<std::string> columnDefinition(const Dialect& dialect, std::string_view column,
                                            std::string_view typeWord, std::string_view size) {
  const std::string word = toUpperGerman(trim(typeWord));
  if (word == "AUTO") return std::nullopt;
  const std::string name = "[" + std::string(column) + "] ";
  if (const TypeForm* form = typeForm(word))
    return name + replaceAll(dialect.spelling(form->serverType, form->fileType), "#", size);
  const std::string passed(trim(typeWord));
  if (isSizeAboveZero(size)) return name + passed + "(" + std::string(size) + ")";
  return name + passed;
}

std::string addColumnStatement(std::string_view table, const Dialect& dialect, std::string_view column,
                               std::string_view typeWord, std::string_view size) {
  const std::string word = toUpperGerman(trim(typeWord));
  const std::string target = tableReference(table);
  if (word == "AUTO") {
    const std::string name(column);
    const std::string bare = withoutBrackets(table);
    return std::string(dialect.spelling(
        "CREATE TABLE [" + bare + "] ([" + name + "] [int] IDENTITY(1,1) NOT NULL, CONSTRAINT [PK_" +
            replaceAll(bare, " ", "") + "] PRIMARY KEY CLUSTERED ([" + name +
            "] asc) WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
            "ALLOW_ROW_LOCKS  = ON, "
            "ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] ) ON [PRIMARY] ",
        "CREATE TABLE [" + bare + "] ([" + name + "] COUNTER PRIMARY KEY);"));
  }
  const std::optional<std::string> definition = columnDefinition(dialect, column, typeWord, size);
  const TypeForm* form = typeForm(word);
  if (form != nullptr)
    return "ALTER TABLE " + target + " " + std::string(dialect.addColumnWords()) + " " + *definition +
           std::string(form->terminator);
  return "ALTER TABLE " + target + " add " + *definition + ";";
}

bool EnsureColumn(Session& session, std::string_view table, Connection& connection, std::string_view column,
                  std::string_view typeWord, std::string_view initialValue, std::string_view size) {
  if (columnExists(connection, table, column)) return true;
  const std::string word = toUpperGerman(trim(typeWord));
  if (!ExecuteSQL(session, connection,
                  addColumnStatement(table, connection.dialect(), column, typeWord, size)))
    return false;
  const TypeForm* form = typeForm(word);
  if (form == nullptr || form->initial == InitialForm::None || initialValue.empty()) return false;
  const std::string target = tableReference(table);
  if (form->initial == InitialForm::Text) {
    ExecuteSQL(session, connection,
               "UPDATE " + target + " SET [" + std::string(column) + "] = " + SqlQuoted(initialValue) + ";");
  } else if (isNumeric(initialValue)) {
    ExecuteSQL(
        session, connection,
        "UPDATE " + target + " SET [" + std::string(column) + "] = " + sqlNumberText(initialValue) + ";");
  }
  return false;
}

bool EnsureColumn(Session& session, std::string_view table, std::string_view column,
                  std::string_view typeWord, std::string_view initialValue, std::string_view size) {
  return EnsureColumn(session, table, GlobalConnection(session), column, typeWord, initialValue, size);
}

}  // namespace orvosal

#include "core/startup/reference_import.h"

#include <algorithm>
#include <filesystem>

#include "core/db/database.h"
#include "core/db/db_error.h"
#include "core/db/transaction.h"
#include "core/file_bytes.h"
#include "core/operation_guard.h"
#include "core/startup/reference_csv.h"
#include "core/text.h"

namespace orvosal {
namespace {

constexpr std::string_view kReferenceImportModule = "mdlHauptmodul";
constexpr int kImportProgressStep = 1000;

struct ReferenceList {
  std::string_view fileName;
  std::string_view table;
};

constexpr ReferenceList kReferenceLists[] = {
    {"CSV_Database_of_Last_Names.csv", "Find_Nachnamen"},
    {"CSV_Database_of_First_Names.csv", "Find_Vornamen"},
    {"sBank.csv", "sBank"},
    {"sPLZ.csv", "sPLZ"},
};

std::string readWholeFile(const std::filesystem::path& path) {
  std::optional<std::string> content = readFileBytes(path);
  if (!content) throw std::runtime_error("Die Datei '" + path.string() + "' kann nicht gelesen werden.");
  return std::move(*content);
}

// A column the header names: as the catalog spells it, and as the file writes it.
struct ImportColumn {
  const ColumnInfo* info;
  std::string heading;
};

std::vector<ImportColumn> headerColumns(const TableSchema& schema, const std::vector<std::string>& header,
                                        std::string_view table) {
  std::vector<ImportColumn> columns;
  for (const std::string& entry : header) {
    const std::string name(trim(entry));
    const ColumnInfo* column = schema.find(name);
    if (name.empty()) {
      throw ReferenceFileError(1, "Die Kopfzeile enthält eine Spalte ohne Namen.");
    }
    if (column == nullptr) {
      throw ReferenceFileError(
          1, "Die Spalte '" + name + "' gibt es in der Tabelle " + std::string(table) + " nicht.");
    }
    if (column->isKey) {
      throw ReferenceFileError(
          1, "Die Spalte '" + name + "' wird vom Programm vergeben und darf nicht in der Datei stehen.");
    }
    for (const ImportColumn& earlier : columns) {
      if (earlier.info == column)
        throw ReferenceFileError(1, "Die Spalte '" + name + "' steht zweimal in der Kopfzeile.");
    }
    columns.push_back({column, name});
  }
  return columns;
}

std::string unfitValue(const ImportColumn& column, const Value& value, const DbError& error) {
  if (error.number() == db_errors::kValueTooLong) {
    return "Der Text für die Spalte '" + column.heading + "' ist länger als die erlaubten " +
           std::to_string(column.info->definedSize) + " Zeichen.";
  }
  return "Der Wert '" + value.toText() + "' passt nicht in die Spalte '" + column.heading + "'.";
}

// Replaces the table's rows with the file's; throws ReferenceFileError before anything is kept.
void replaceRows(Session& session, std::string_view fileName, std::string_view table,
                 const std::string& text) {
  Connection& connection = GlobalConnection(session);
  const TableSchema& schema = connection.tableSchema(table);
  CsvRecordReader reader(text);
  std::vector<std::string> fields;
  if (!reader.next(fields)) throw ReferenceFileError(1, "Die Datei enthält keine Kopfzeile.");
  const std::vector<ImportColumn> columns = headerColumns(schema, fields, table);
  std::vector<std::string> names;
  for (const ImportColumn& column : columns) names.push_back(column.info->name);

  const std::string caption = std::string(fileName) + " wird eingelesen";
  const int expected = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  DbTransaction transaction(connection);
  connection.execute("DELETE FROM [" + std::string(table) + "]");
  int imported = 0;
  connection.insertRows(schema, names, [&](std::vector<Value>& row) {
    if (!reader.next(fields)) return false;
    if (fields.size() != names.size()) {
      throw ReferenceFileError(reader.line(), "Die Zeile hat " + std::to_string(fields.size()) +
                                                  " Felder, die Kopfzeile nennt " +
                                                  std::to_string(names.size()) + " Spalten.");
    }
    row.resize(names.size());
    for (size_t i = 0; i < row.size(); ++i) {
      row[i] = fields[i].empty() ? Value() : Value(std::move(fields[i]));
      try {
        row[i] = connection.convertForColumn(schema, names[i], row[i]);
      } catch (const DbError& error) {
        throw ReferenceFileError(reader.line(), unfitValue(columns[i], row[i], error));
      }
    }
    if (++imported % kImportProgressStep == 0) session.ui().progress(caption, imported, expected);
    return true;
  });
  if (imported == 0) throw ReferenceFileError(reader.line(), "Die Datei enthält keine Datenzeilen.");
  transaction.commit();
}

std::string faultMessage(std::string_view fileName, std::string_view table, const ReferenceFileError& fault) {
  return "Die Datei \"" + std::string(fileName) + "\" wurde nicht eingelesen.\nZeile " +
         std::to_string(fault.line()) + ": " + fault.what() + "\nDie Tabelle " + std::string(table) +
         " bleibt unverändert. Bitte berichtigen Sie die Datei; sie wird beim nächsten Start erneut "
         "eingelesen.";
}

}  // namespace

bool ImportReferenceFile(Session& session, std::string_view fileName, std::string_view table) {
  return runOperation(
      session, operationName(kReferenceImportModule, OperationKind::Function, "ImportReferenceFile"), false,
      [&] {
        const std::filesystem::path path = session.programFolder() / fileName;
        if (!std::filesystem::is_regular_file(path)) return false;
        try {
          replaceRows(session, fileName, table, DecodeReferenceText(readWholeFile(path)));
        } catch (const ReferenceFileError& fault) {
          const std::string message = faultMessage(fileName, table, fault);
          session.errorLog().record(
              operationName(kReferenceImportModule, OperationKind::Function, "ImportReferenceFile"), 0,
              message);
          session.ui().message(message, "Referenzdaten einlesen", MessageKind::Warning);
          return false;
        }
        std::filesystem::path done = path;
        done += ".imported";
        std::filesystem::rename(path, done);
        return true;
      });
}

void ImportReferenceLists(Session& session) {
  for (const ReferenceList& list : kReferenceLists) ImportReferenceFile(session, list.fileName, list.table);
}

}  // namespace orvosal

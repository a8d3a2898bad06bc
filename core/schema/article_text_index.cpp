#include "core/schema/article_text_index.h"

#include <cctype>
#include <string>

#include "core/db/db_error.h"

namespace orvosal {
namespace {

// The columns joined by ", ", each with `prefix` in front ("new.", "old.").
std::string columnList(std::string_view prefix) {
  std::string list;
  for (std::string_view column : kArticleTextColumns)
    list += (list.empty() ? "" : ", ") + std::string(prefix) + std::string(column);
  return list;
}

void createFileIndex(Connection& db) {
  const std::string table(kArticleTextTable);
  const std::string columns = columnList("");
  db.executeEngineSql("CREATE VIRTUAL TABLE IF NOT EXISTS " + table + " USING fts5(" + columns +
                      ", content='Artikel', content_rowid='ID', tokenize='trigram')");
  // The old values go out of the index as they went in: an external-content table forgets a row
  // only by being told exactly what it indexed.
  const std::string insertNew =
      "INSERT INTO " + table + "(rowid, " + columns + ") VALUES (new.ID, " + columnList("new.") + ");";
  const std::string deleteOld = "INSERT INTO " + table + "(" + table + ", rowid, " + columns +
                                ") VALUES ('delete', old.ID, " + columnList("old.") + ");";
  db.executeEngineSql("CREATE TRIGGER IF NOT EXISTS " + table + "_Einfuegen AFTER INSERT ON Artikel BEGIN " +
                      insertNew + " END");
  db.executeEngineSql("CREATE TRIGGER IF NOT EXISTS " + table + "_Loeschen AFTER DELETE ON Artikel BEGIN " +
                      deleteOld + " END");
  db.executeEngineSql("CREATE TRIGGER IF NOT EXISTS " + table + "_Aendern AFTER UPDATE OF ID, " + columns +
                      " ON Artikel BEGIN " + deleteOld + " " + insertNew + " END");
  db.executeEngineSql("INSERT INTO " + table + "(" + table + ") VALUES ('rebuild')");
}

// The search's LIKE compares in the deterministic German collation (see the translation of LIKE),
// so the indexes hold the columns in that collation, where the planner finds them.
void createServerIndexes(Connection& db) {
  try {
    db.executeEngineSql("CREATE EXTENSION IF NOT EXISTS pg_trgm");
  } catch (const DbError&) {
    return;  // a server without the extension, or a user who may not add it
  }
  for (std::string_view column : kArticleTextColumns) {
    std::string lower;
    for (char c : column) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    db.executeEngineSql("CREATE INDEX IF NOT EXISTS artikel_idx_artikel_" + lower +
                        "_trigramme ON artikel USING gin ((\"" + lower +
                        "\" COLLATE \"de-DE-x-icu\") gin_trgm_ops)");
  }
}

}  // namespace

bool HasArticleTextTable(Connection& db) {
  if (db.engine() == SqlEngine::Postgres) return false;
  try {
    db.tableSchema(kArticleTextTable);
    return true;
  } catch (const DbError&) {
    return false;
  }
}

void CreateArticleTextIndex(Connection& db) {
  if (db.engine() == SqlEngine::Postgres) {
    createServerIndexes(db);
  } else {
    createFileIndex(db);
  }
}

}  // namespace orvosal

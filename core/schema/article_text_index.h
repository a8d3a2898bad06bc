#pragma once

#include <string_view>

#include "core/db/connection.h"

namespace orvosal {

// The full-text table of the file database that finds articles by any part of their number and
// description lines, three characters at least: one row per `Artikel` row under its `ID` as rowid,
// kept by triggers on `Artikel`.
inline constexpr std::string_view kArticleTextTable = "Artikel_Suchtext";

// The columns of `Artikel` that an infix search reads through the trigram index.
inline constexpr std::string_view kArticleTextColumns[] = {
    "Artikelnummer", "Bezeichnung1", "Bezeichnung2", "Bezeichnung3", "Bezeichnung4",
    "Bezeichnung5",  "Bezeichnung6", "Bezeichnung7", "Bezeichnung8", "Bezeichnung9",
};

// Builds the trigram index of those columns and fills it from the articles there are: on the file
// database the full-text table with its triggers, on the server trigram indexes (where the server
// offers the pg_trgm extension; without it the search reads the whole table). Runs again without
// harm.
// Throws DbError when the engine lacks what the index needs (a file database without FTS5).
void CreateArticleTextIndex(Connection& db);

// True when the file database has the full-text table (always false on the server, whose indexes
// serve the plain LIKE).
bool HasArticleTextTable(Connection& db);

}  // namespace orvosal

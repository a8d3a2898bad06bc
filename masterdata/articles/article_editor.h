#pragma once

#include <cstdint>
#include <optional>

#include "core/session.h"
#include "masterdata/articles/article.h"

namespace orvosal {

// The rules of the article window. Every operation asks and reports through the session's Ui and
// writes nothing when it refuses or the user declines.

// The window's name: history entries, last opened, operation names.
inline constexpr const char* kArticleWindow = "frmArtikel";

// A new, unsaved article as the window starts it: no ID, flags, stock, weight, points and discount 0.
Article NewArticle();

// The stored article, or nothing when no article has that ID.
std::optional<Article> ReadArticle(Session& session, int64_t id);

enum class ArticleSaveOutcome { Saved, Unchanged, Refused };

// Saves a new article (`id` 0; ID, number and dates are written back) or the changes of a stored
// one. Refused without the right Save_Artikel, with an empty `Bezeichnung1`, or when a typed number
// is held by another article and the user does not confirm; an unchanged stored article is not
// written; `Bestand` and the bill-of-materials flags of a stored article stay as stored (others
// keep them). An empty number is drawn from the article range while the setting for automatic numbers
// is on. When `Verkaufspreis1` changed and the article has a discount scale or a product-group row,
// asks whether levels 2 to 9 follow it from there. Writes the history entry and records the article as last opened.
ArticleSaveOutcome SaveArticle(Session& session, Article& article);

// Deletes the article after asking, with the master right; refused while positions use its number
// and the setting `EWJ` is on. Deletes its files, bill of materials, shipping movements, supplier
// and customer prices, serial numbers, pictures and rentals with it. True when deleted.
bool DeleteArticle(Session& session, int64_t id);

// Copies the stored article into a new one (" (Kopie)" after number and first description, dates
// now, saleable, no document folder) with its customer and supplier prices. The new ID, or nothing
// when the article is missing or the user lacks the right.
std::optional<int64_t> CopyArticle(Session& session, int64_t id);

// Asks "Soll neue Artikelnummer vergeben werden?" and on Yes puts a newly drawn number into the
// shown (unsaved) article. True when a number was drawn.
bool AssignNewArticleNumber(Session& session, Article& article);

// Browsing by ID: the next greater or smaller ID, or nothing at the end.
std::optional<int64_t> NextArticleId(Session& session, int64_t fromId);
std::optional<int64_t> PreviousArticleId(Session& session, int64_t fromId);

}  // namespace orvosal

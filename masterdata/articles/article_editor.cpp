#include "masterdata/articles/article_editor.h"

#include <stdexcept>
#include <string>

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/system_settings/document_settings.h"
#include "core/text.h"
#include "core/users/last_opened.h"
#include "core/users/password_check.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"
#include "core/version.h"
#include "masterdata/articles/article_numbers.h"
#include "masterdata/articles/price_levels.h"
#include "masterdata/user_messages.h"

namespace orvosal {
namespace {

std::string articleIdList(int64_t id) { return "([ID] IN (" + std::to_string(id) + "))"; }

std::string articleOperation(const char* name) {
  return operationName(kArticleWindow, OperationKind::Sub, name);
}

// Stock bookings keep `Bestand`, the bill-of-materials window the two kind flags: the window's
// values may be stale by the time it saves, so the stored ones stay.
void keepColumnsOfOtherModules(Article& entered, const Article& stored) {
  entered.bestand = stored.bestand;
  entered.masterArtikel = stored.masterArtikel;
  entered.stücklistenArtikel = stored.stücklistenArtikel;
}

// Adds the article as a new row and hands out its ID.
void insertArticle(Connection& connection, Article& article) {
  Recordset rs(connection, "SELECT Top 1 * FROM Artikel");
  rs.addNew();
  writeRecord(rs, article, ArticleFields());
  rs.update();
  article.id = rs["ID"].toInt();
}

void writeArticle(Session& session, Article& article) {
  Connection& connection = GlobalConnection(session);
  DbTransaction transaction(connection);
  if (article.id == 0) {
    insertArticle(connection, article);
  } else {
    Recordset rs(connection, "SELECT * FROM Artikel WHERE " + articleIdList(article.id));
    if (rs.eof())
      throw std::runtime_error("Der Artikel " + std::to_string(article.id) + " ist nicht mehr vorhanden.");
    writeRecord(rs, article, ArticleFields());
    rs.update();
  }
  transaction.commit();
}

// Asks about a typed number that another article holds; true to go on saving.
bool articleNumberMayBeUsed(Session& session, const Article& article) {
  if (CountArticlesWithNumber(session, article.artikelnummer, article.id) == 0) return true;
  return session.ui().askYesNo("Artikelnummer bereits vorhanden, trotzdem speichern?", kProductName);
}

// Levels 2 to 9 follow a changed base price when the user wants it and the article has a discount
// scale or group row to derive them from; without one they stay as typed.
void offerPriceLevels(Session& session, Article& article, Currency previousBasePrice) {
  if (article.verkaufspreis1 == previousBasePrice) return;
  const std::optional<PriceLevelPercentages> percentages = PriceLevelPercentagesOf(session, article);
  if (!percentages) return;
  if (session.ui().askYesNo("Sollen die Preise für Verkaufspreis 2 bis Verkaufspreis 9 angepasst werden?",
                            kProductName)) {
    ApplyPriceLevels(article, *percentages);
  }
}

// Copies the article's rows of a price table to the copy, in ID order.
void copyPriceRows(Connection& connection, const std::string& table, int64_t from, int64_t to) {
  Recordset source(connection, "SELECT * FROM " + table + " WHERE ([Artikel_ID] IN (" + std::to_string(from) +
                                   ")) ORDER BY [ID]");
  Recordset target(connection, "SELECT Top 1 * FROM " + table);
  for (; !source.eof(); source.moveNext()) {
    target.addNew();
    for (int index = 0; index < source.fieldCount(); ++index) {
      const std::string column = source.fieldName(index);
      if (equalsNoCase(column, "ID")) continue;
      target.set(column, equalsNoCase(column, "Artikel_ID") ? Value(to) : source[column]);
    }
    target.update();
  }
}

std::optional<int64_t> neighbourArticle(Session& session, int64_t fromId, bool next) {
  Recordset rs(GlobalConnection(session), "SELECT Top 1 [ID] FROM Artikel WHERE ([ID]" +
                                              std::string(next ? ">" : "<") + std::to_string(fromId) +
                                              ") ORDER BY [ID] " + (next ? "ASC" : "DESC"));
  if (rs.eof()) return std::nullopt;
  return rs["ID"].toInt();
}

}  // namespace

Article NewArticle() { return Article{}; }

std::optional<Article> ReadArticle(Session& session, int64_t id) {
  return runOperation(
      session, articleOperation("Load_Item"), std::optional<Article>(), [&]() -> std::optional<Article> {
        Recordset rs(GlobalConnection(session), "SELECT * FROM Artikel WHERE " + articleIdList(id));
        if (rs.eof()) return std::nullopt;
        return readRecord(rs, ArticleFields());
      });
}

ArticleSaveOutcome SaveArticle(Session& session, Article& article) {
  return runOperation(session, articleOperation("Save_Item"), ArticleSaveOutcome::Refused, [&] {
    if (!RequireRight(session, "Save_Artikel")) return ArticleSaveOutcome::Refused;
    Article entered = article;
    entered.artikelnummer = std::string(trim(entered.artikelnummer));
    if (trim(entered.bezeichnung1).empty()) {
      warnUser(session, "Bitte Bezeichnung1 angegeben!");
      return ArticleSaveOutcome::Refused;
    }
    const bool adding = entered.id == 0;
    Currency previousBasePrice;
    if (!adding) {
      const std::optional<Article> stored = ReadArticle(session, entered.id);
      if (!stored) return ArticleSaveOutcome::Refused;
      keepColumnsOfOtherModules(entered, *stored);
      if (differences(*stored, entered, ArticleFields()).empty()) {
        informUser(session, "Keine Änderung!, nicht gespeichert");
        return ArticleSaveOutcome::Unchanged;
      }
      previousBasePrice = stored->verkaufspreis1;
    }
    if (entered.artikelnummer.empty() && ReadDocumentSettings(session).automaticNumbers) {
      entered.artikelnummer = DrawArticleNumber(session);
    } else if (!entered.artikelnummer.empty() && !articleNumberMayBeUsed(session, entered)) {
      return ArticleSaveOutcome::Refused;
    }
    offerPriceLevels(session, entered, previousBasePrice);
    const DateTime now = session.clock().now();
    if (adding) entered.erfasst = now;
    entered.geändert = now;
    writeArticle(session, entered);
    article = entered;
    const std::string ids = std::to_string(article.id);
    WriteUserHistory(session, "Artikel-ID " + ids + (adding ? " erfasst" : " geändert"), kArticleWindow,
                     article.id);
    RecordLastOpened(session, kArticleWindow, article.id, article.artikelnummer + " " + article.bezeichnung1);
    informUser(session, adding ? "Daten gespeichert" : "Änderungen gespeichert");
    return ArticleSaveOutcome::Saved;
  });
}

bool DeleteArticle(Session& session, int64_t id) {
  const std::optional<Article> article = ReadArticle(session, id);
  if (!article) return false;
  return runOperation(session, articleOperation("Delete_Item"), false, [&] {
    if (!RequireRight(session, "Delete_Artikel") || !Check_Master_Berechtigung(session)) return false;
    if (ReadDocumentSettings(session).keepUsedArticles &&
        ArticleNumberInUse(session, article->artikelnummer)) {
      warnUser(session, "Diese Artikelnummer wird bereits verwendet und kann daher nicht gelöscht werden");
      return false;
    }
    if (!session.ui().askYesNo("Soll Produktnummer:" + article->artikelnummer + " gelöscht werden?",
                               kProductName)) {
      return false;
    }
    static const char* const kCascade[] = {
        "Delete FROM Artikel_Dokumente WHERE ([ArtikelID] IN (",
        "Delete FROM Stuecklisten WHERE ([StammArtikelID] IN (",
        "Delete FROM Versand_Bewegungen WHERE ([Artikel_ID] IN (",
        "Delete FROM LieferantenPreise WHERE ([Artikel_ID] IN (",
        "Delete FROM Artikel_Preisstufen WHERE ([Artikel_ID] IN (",
        "Delete FROM Seriennummern WHERE ([ArtikelID] IN (",
        "Delete FROM Artikel_Bilder WHERE ([ArtikelID] IN (",
        "Delete FROM Vermietung WHERE ([ArtikelID] IN (",
        "Delete FROM Artikel WHERE ([ID] IN (",
    };
    const std::string ids = std::to_string(id);
    Connection& connection = GlobalConnection(session);
    DbTransaction transaction(connection);
    for (const char* statement : kCascade) connection.execute(statement + ids + "))");
    transaction.commit();
    WriteUserHistory(session, "Artikel-ID " + ids + " gelöscht", kArticleWindow, id);
    return true;
  });
}

std::optional<int64_t> CopyArticle(Session& session, int64_t id) {
  return runOperation(session, articleOperation("Copy_Item"), std::optional<int64_t>(),
                      [&]() -> std::optional<int64_t> {
                        if (!RequireRight(session, "Save_Artikel")) return std::nullopt;
                        std::optional<Article> copy = ReadArticle(session, id);
                        if (!copy) {
                          warnUser(session, "Artikel wurde nicht gefunden");
                          return std::nullopt;
                        }
                        const DateTime now = session.clock().now();
                        copy->id = 0;
                        copy->erfasst = now;
                        copy->geändert = now;
                        copy->unsaleable = 0;
                        copy->bezeichnung1 += " (Kopie)";
                        copy->artikelnummer += " (Kopie)";
                        copy->dossraPath.clear();
                        Connection& connection = GlobalConnection(session);
                        DbTransaction transaction(connection);
                        insertArticle(connection, *copy);
                        copyPriceRows(connection, "Artikel_Preisstufen", id, copy->id);
                        copyPriceRows(connection, "LieferantenPreise", id, copy->id);
                        transaction.commit();
                        WriteUserHistory(session, "Artikel-ID " + std::to_string(copy->id) + " erfasst",
                                         kArticleWindow, copy->id);
                        informUser(session, "Neuen Artikel angelegt");
                        return copy->id;
                      });
}

bool AssignNewArticleNumber(Session& session, Article& article) {
  return runOperation(session, articleOperation("Neue_Artikelnummer"), false, [&] {
    if (!session.ui().askYesNo("Soll neue Artikelnummer vergeben werden?", kProductName)) return false;
    std::string number = DrawArticleNumber(session);
    if (number.empty()) return false;
    article.artikelnummer = std::move(number);
    return true;
  });
}

std::optional<int64_t> NextArticleId(Session& session, int64_t fromId) {
  return runOperation(session, articleOperation("Next_Item"), std::optional<int64_t>(),
                      [&] { return neighbourArticle(session, fromId, true); });
}

std::optional<int64_t> PreviousArticleId(Session& session, int64_t fromId) {
  return runOperation(session, articleOperation("Previous_Item"), std::optional<int64_t>(),
                      [&] { return neighbourArticle(session, fromId, false); });
}

}  // namespace orvosal

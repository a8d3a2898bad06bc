#include "cli/article_command.h"

#include <limits>
#include <optional>
#include <ostream>
#include <set>

#include "cli/record_assignments.h"
#include "cli/table_output.h"
#include "core/db/database.h"
#include "core/db/recordset.h"
#include "masterdata/articles/article_editor.h"
#include "masterdata/articles/article_lookups.h"
#include "masterdata/articles/article_search.h"

namespace orvosal {
namespace {

int reportArticleSave(CommandContext& context, const Article& article, ArticleSaveOutcome outcome) {
  if (outcome == ArticleSaveOutcome::Refused) return kExitFailure;
  writeTableRow(context.out, {std::to_string(article.id), article.artikelnummer});
  return kExitSuccess;
}

int addOrSet(CommandContext& context, Article article) {
  const std::string fault = applyAssignments(context.session, context.arguments, article, ArticleFields(),
                                             "Artikel", "der Artikel");
  if (!fault.empty()) {
    context.err << fault << '\n';
    return kExitFailure;
  }
  const ArticleSaveOutcome outcome = SaveArticle(context.session, article);
  return reportArticleSave(context, article, outcome);
}

// The article the command names: by ID, or for `show --number` by its number.
std::optional<Article> storedArticle(CommandContext& context) {
  const ParsedArguments& arguments = context.arguments;
  int64_t id = 0;
  if (arguments.has("--number")) {
    id = Get_ArtikelID_By_Artikelnummer(context.session, arguments.value("--number"));
    if (id == 0) {
      context.err << "Kein Artikel mit der Artikelnummer " << arguments.value("--number") << ".\n";
      return std::nullopt;
    }
  } else {
    id = *idArgument(arguments);
  }
  std::optional<Article> article = ReadArticle(context.session, id);
  if (!article) context.err << "Kein Artikel mit der ID " << id << ".\n";
  return article;
}

int showArticle(CommandContext& context) {
  const std::optional<Article> article = storedArticle(context);
  if (!article) return kExitFailure;
  for (const FieldDef<Article>& field : ArticleFields()) {
    writeTableRow(context.out, {std::string(field.column), fieldValue(*article, field).toText()});
  }
  return kExitSuccess;
}

// Every article in ID order; with --search those whose number or one of whose description lines
// contains the text: first the number hits by number, then the others by description.
int listArticles(CommandContext& context) {
  writeTableRow(context.out, {"ID", "Artikelnummer", "Bezeichnung1", "Einheit", "Verkaufspreis1", "Bestand"});
  const auto write = [&](const ArticleSearchRow& row) {
    writeTableRow(context.out, {std::to_string(row.id), row.artikelnummer, row.bezeichnung1, row.einheit,
                                row.verkaufspreis1.format(2), row.bestand.format(2)});
  };
  if (context.arguments.has("--search")) {
    std::set<int64_t> listed;
    for (const ArticleSearchField field :
         {ArticleSearchField::NumberInfix, ArticleSearchField::AnyDescription}) {
      ArticleSearch search;
      search.text = context.arguments.value("--search");
      search.field = field;
      search.limit = std::numeric_limits<int>::max();
      for (const ArticleSearchRow& row : searchArticles(context.session, search)) {
        if (listed.insert(row.id).second) write(row);
      }
    }
    return kExitSuccess;
  }
  for (Recordset rs(GlobalConnection(context.session),
                    "SELECT ID, Artikelnummer, Bezeichnung1, Einheit, Verkaufspreis1, Bestand FROM Artikel "
                    "ORDER BY [ID]");
       !rs.eof(); rs.moveNext()) {
    ArticleSearchRow row;
    row.id = rs["ID"].toInt();
    row.artikelnummer = rs["Artikelnummer"].toText();
    row.bezeichnung1 = rs["Bezeichnung1"].toText();
    row.einheit = rs["Einheit"].toText();
    row.verkaufspreis1 = rs["Verkaufspreis1"].toCurrency();
    row.bestand = rs["Bestand"].toCurrency();
    write(row);
  }
  return kExitSuccess;
}

int copyArticle(CommandContext& context) {
  const std::optional<Article> article = storedArticle(context);
  if (!article) return kExitFailure;
  const std::optional<int64_t> copyId = CopyArticle(context.session, article->id);
  if (!copyId) return kExitFailure;
  writeTableRow(context.out,
                {std::to_string(*copyId), Get_Artikelnummer_By_ArtikelID(context.session, *copyId)});
  return kExitSuccess;
}

int removeArticle(CommandContext& context) {
  const std::optional<Article> article = storedArticle(context);
  if (!article) return kExitFailure;
  return DeleteArticle(context.session, article->id) ? kExitSuccess : kExitFailure;
}

}  // namespace

std::string checkArticleArguments(const ParsedArguments& arguments) {
  const std::string& action = arguments.positional.front();
  const size_t count = arguments.positional.size();
  if (arguments.has("--number") && action != "show") return "--number gilt nur für article show.";
  if (action == "add" || action == "set") {
    if (action == "set" && !idArgument(arguments)) return "article set braucht die ID des Artikels.";
    if (const std::string fault = checkAssignmentForms(arguments); !fault.empty()) return fault;
    if (action == "set" && assignmentsOf(arguments).empty())
      return "article set braucht mindestens eine Angabe.";
    return "";
  }
  if (arguments.has("--set")) return "--set gilt nur für article add und article set.";
  if (action == "show" && arguments.has("--number")) {
    return count == 1 ? "" : "article show nimmt entweder eine ID oder --number.";
  }
  if (action == "show" || action == "copy" || action == "delete") {
    if (count != 2 || !idArgument(arguments)) return "article " + action + " braucht genau eine ID.";
    return "";
  }
  if (arguments.has("--search") && action != "list") return "--search gilt nur für article list.";
  if (action == "list") return count == 1 ? "" : "article list nimmt keine weiteren Argumente.";
  return "Unbekannte Aktion für article: " + action + " (add, show, set, list, copy, delete).";
}

int runArticle(CommandContext& context) {
  const std::string& action = context.arguments.positional.front();
  if (action == "add") return addOrSet(context, NewArticle());
  if (action == "set") {
    const std::optional<Article> article = storedArticle(context);
    return article ? addOrSet(context, *article) : kExitFailure;
  }
  if (action == "show") return showArticle(context);
  if (action == "list") return listArticles(context);
  if (action == "copy") return copyArticle(context);
  return removeArticle(context);
}

}  // namespace orvosal

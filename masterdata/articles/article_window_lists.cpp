#include "masterdata/articles/article_window_lists.h"

#include "core/db/database.h"
#include "core/db/recordset.h"
#include "core/db/sql_helpers.h"
#include "core/operation_guard.h"
#include "core/text.h"
#include "masterdata/articles/article_editor.h"
#include "masterdata/classes/class_editor.h"

namespace orvosal {
namespace {

// Runs the list's query and adds one entry per row whose caption is not blank.
template <class Caption>
std::vector<ArticleChoice> loadChoices(Session& session, const char* operation, const char* none,
                                       const std::string& sql, Caption caption) {
  std::vector<ArticleChoice> choices{{0, none}};
  runOperation(session, operationName(kArticleWindow, OperationKind::Sub, operation), 0, [&] {
    for (Recordset rs(GlobalConnection(session), sql); !rs.eof(); rs.moveNext()) {
      std::string text = caption(rs);
      if (!trim(text).empty()) choices.push_back({rs["ID"].toInt(), std::move(text)});
    }
    return 0;
  });
  return choices;
}

std::string supplierCaption(const Recordset& rs) {
  std::string name(trim(rs["Name"].toText() + " " + rs["Vorname"].toText()));
  const std::string number(trim(rs["Kundennummer"].toText()));
  return number.empty() ? name : name + " (" + number + ")";
}

std::vector<ArticleChoice> groupChoices(Session& session, const char* operation, const char* none,
                                        const char* column, int64_t supplierId) {
  const std::string name(column);
  return loadChoices(session, operation, none,
                     "SELECT * FROM Warengruppe WHERE ([Lieferant] IN (0," + std::to_string(supplierId) +
                         ") AND (" + name + " Is NOT NULL OR " + name + " <> '')) ORDER BY [" + name + "]",
                     [&](const Recordset& rs) { return rs[name].toText(); });
}

}  // namespace

std::vector<ArticleChoice> SupplierChoices(Session& session) {
  return loadChoices(session, "Load_Lieferanten", "Kein Lieferant",
                     "SELECT ID, Kundennummer, Name, Vorname FROM Adressen WHERE (" +
                         CreateBooleanSelect(session.database().dialect, "Kunde", false, false) +
                         ") ORDER BY [Name], [Vorname], [ID]",
                     supplierCaption);
}

std::vector<ArticleChoice> DiscountScaleChoices(Session& session) {
  return loadChoices(session, "Load_RabattStaffel", "Keine Rabattstaffel",
                     "SELECT ID, Titel FROM RabattStaffel ORDER BY [Titel], [ID]",
                     [](const Recordset& rs) { return rs["Titel"].toText(); });
}

std::vector<ArticleChoice> ProductGroupChoices(Session& session, int64_t supplierId) {
  return groupChoices(session, "Load_Warengruppen", "keine Warengruppe", "Warengruppe", supplierId);
}

std::vector<ArticleChoice> MainGroupChoices(Session& session, int64_t supplierId) {
  return groupChoices(session, "Load_Hauptwarengruppen", "keine Hauptwarengruppe", "Hauptwarengruppe",
                      supplierId);
}

std::vector<ArticleChoice> CommissionClassChoices(Session& session) {
  std::vector<ArticleChoice> choices{{0, "keine Provisionsklasse"}};
  for (const CommissionClass& commissionClass : ListCommissionClasses(session))
    choices.push_back({commissionClass.classId, commissionClass.className});
  return choices;
}

}  // namespace orvosal

#include "core/company/save_company.h"

#include "core/company/company_checks.h"
#include "core/company/company_logo.h"
#include "core/db/database.h"
#include "core/operation_guard.h"
#include "core/startup/load_settings.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"

namespace orvosal {
namespace {

CompanyChangeOutcome refused(std::string message) { return {false, std::move(message)}; }

}  // namespace

CompanyChangeOutcome SaveCompany(Session& session, Company& company,
                                 const std::optional<std::filesystem::path>& newLogo) {
  return runOperation(
      session, operationName("mdlFirmendaten", OperationKind::Function, "SaveCompany"),
      CompanyChangeOutcome{}, [&] {
        if (!RequireRight(session, "System")) return refused("");
        Company entered = company;
        if (newLogo) {
          if (std::string refusal = LogoFileRefusal(*newLogo); !refusal.empty()) return refused(refusal);
          entered.logo = LogoFileName(*newLogo);
        }
        if (std::string refusal = CompanyRefusal(entered); !refusal.empty()) return refused(refusal);

        Connection& connection = GlobalConnection(session);
        const std::optional<Company> stored = ReadCompany(connection);
        if (stored) entered.id = stored->id;
        const bool unchanged = stored && differences(*stored, entered, CompanyFields()).empty();
        if (unchanged && !newLogo) return refused("Keine Änderung!, nicht gespeichert");

        if (newLogo) InstallLogo(session.programFolder(), *newLogo);
        entered.id = WriteCompany(connection, entered);
        company = entered;
        WriteUserHistory(session, stored ? "Firmendaten geändert" : "Firmendaten erfasst", kCompanyForm,
                         company.id);
        LoadCompanyData(session);
        return CompanyChangeOutcome{true, stored ? "Änderungen gespeichert" : "Daten gespeichert"};
      });
}

}  // namespace orvosal

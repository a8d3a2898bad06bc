#include "core/company/save_company.h"

#include "core/company/company_checks.h"
#include "core/company/company_logo.h"
#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/operation_guard.h"
#include "core/startup/load_settings.h"
#include "core/users/rights.h"
#include "core/users/user_history.h"

namespace orvosal {
namespace {

CompanyChangeOutcome refusedCompanyChange(std::string message) { return {false, std::move(message)}; }

}  // namespace

CompanyChangeOutcome SaveCompany(Session& session, Company& company,
                                 const std::optional<std::filesystem::path>& newLogo) {
  return runOperation(
      session, operationName("mdlFirmendaten", OperationKind::Function, "SaveCompany"),
      CompanyChangeOutcome{}, [&] {
        if (!RequireRight(session, "System")) return refusedCompanyChange("");
        Company entered = company;
        if (newLogo) {
          if (std::string refusal = LogoFileRefusal(*newLogo); !refusal.empty())
            return refusedCompanyChange(refusal);
          entered.logo = LogoFileName(*newLogo);
        }
        if (std::string refusal = CompanyRefusal(entered); !refusal.empty())
          return refusedCompanyChange(refusal);

        Connection& connection = GlobalConnection(session);
        const std::optional<Company> stored = ReadCompany(connection);
        if (stored) entered.id = stored->id;
        const bool unchanged = stored && differences(*stored, entered, CompanyFields()).empty();
        if (unchanged && !newLogo) return refusedCompanyChange("Keine Änderung!, nicht gespeichert");

        // The row, its history entry and the logo file: a failure of any leaves the row as it was.
        DbTransaction transaction(connection);
        entered.id = WriteCompany(connection, entered);
        WriteUserHistory(session, stored ? "Firmendaten geändert" : "Firmendaten erfasst", kCompanyForm,
                         entered.id);
        if (newLogo) InstallLogo(session.programFolder(), *newLogo);
        transaction.commit();
        company = entered;
        LoadCompanyData(session);
        return CompanyChangeOutcome{true, stored ? "Änderungen gespeichert" : "Daten gespeichert"};
      });
}

}  // namespace orvosal

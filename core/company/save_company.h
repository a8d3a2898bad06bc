#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/company/company.h"
#include "core/session.h"

namespace orvosal {

// The window name under which changes of the company data are recorded in the user history.
inline constexpr const char* kCompanyForm = "Firmendaten";

// What saving the company data did, and the message to show about it (empty when the user has
// already been told through the Ui).
struct CompanyChangeOutcome {
  bool changed = false;
  std::string message;
};

// Stores the company data in the one `Firmendaten` row (added when the table is empty) and
// reloads the session's copy. With `newLogo` the image is copied into the program folder as the
// logo and its name goes into `Logo`. Needs the signed-in user's right "System" (refused through
// the Ui otherwise). Refused with nothing written: a missing name, an invalid IBAN, BIC or
// USt-IdNr., a logo file that is no image, and data equal to the stored row. On success `company`
// holds what was stored (normalised identifiers, its key, the logo's name).
CompanyChangeOutcome SaveCompany(Session& session, Company& company,
                                 const std::optional<std::filesystem::path>& newLogo = std::nullopt);

}  // namespace orvosal

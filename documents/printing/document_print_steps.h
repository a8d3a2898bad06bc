#pragma once

#include <cstdint>
#include <string>

#include "output/layout/layout.h"
#include "output/report/print_job.h"

namespace orvosal {

// Steps another area adds to the print of a document (the electronic invoice of accounting, which
// builds on the documents and so cannot be called from here directly). One object serves one print.
class DocumentPrintSteps {
 public:
  virtual ~DocumentPrintSteps() = default;

  // Called once the output is known: before the number is drawn when the caller names the output,
  // else right after the options step. `protection` is the password the PDF would carry. False
  // stops the print: nothing is written and nothing is stamped.
  virtual bool confirmOutput(int64_t belegId, const PrintChoice& output,
                             const std::optional<PdfProtection>& protection) = 0;

  // Adds to the data of the document what the layout uses and the document's own data lack.
  virtual void defineVariables(int64_t belegId, const Layout& layout, ReportData& report) = 0;

  // Completes the files of an export before the document is stamped; may replace or add files in
  // `result.files`. Answers the German reason of a failure (the files are then removed), else "".
  virtual std::string completeOutput(int64_t belegId, PrintResult& result) = 0;
};

}  // namespace orvosal

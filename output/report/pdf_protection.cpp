#include "output/report/pdf_protection.h"

#include <exception>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace orvosal {

std::optional<std::string> protectPdf(const std::filesystem::path& source,
                                      const std::filesystem::path& target, const PdfProtection& protection) {
  try {
    QPDF pdf;
    pdf.processFile(source.c_str());
    QPDFWriter writer(pdf, target.c_str());
    // Without its own owner password the file would be opened fully by anyone knowing the user's.
    const std::string owner =
        protection.ownerPassword.empty() ? protection.userPassword : protection.ownerPassword;
    writer.setR6EncryptionParameters(protection.userPassword.c_str(), owner.c_str(), true,
                                     protection.allowCopying, false, false, false, false,
                                     protection.allowPrinting ? qpdf_r3p_full : qpdf_r3p_none, true);
    writer.write();
  } catch (const std::exception& error) {
    return std::string("Die PDF-Datei kann nicht verschlüsselt werden: ") + error.what();
  }
  return std::nullopt;
}

}  // namespace orvosal

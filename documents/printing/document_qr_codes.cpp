#include "documents/printing/document_qr_codes.h"

#include "core/db/database.h"
#include "core/error_log.h"
#include "core/text.h"
#include "documents/printing/qr_code_information.h"
#include "output/qr/qr_output.h"

namespace orvosal {
namespace {

// Pixels per module of the payment code's bitmap: sharp at the printed size of about 3 cm.
constexpr int kGiroCodeScale = 8;
// The largest amount a payment code may carry: 999999999.99 EUR.
constexpr Currency kLargestTransfer = Currency::fromUnits(9999999999900);

std::string withoutSpaces(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (c != ' ') kept += c;
  }
  return kept;
}

std::string giroCodePicture(Session& session, const qr::GiroCodeTransfer& transfer,
                            TemporaryPictures& pictures) {
  const auto payload = qr::buildGiroCodePayload(transfer);
  std::string fault = payload.index() == 1 ? std::get<1>(payload) : std::string();
  std::filesystem::path file;
  if (fault.empty()) {
    file = pictures.create(".bmp");
    // Not the dialog's settings: banking apps expect the plain symbol, without logo or markers.
    clsQRCode code;
    code.ErrorLevel = qr::ErrorLevel::M;
    fault = file.empty()
                ? "Im temporären Ordner kann keine Bilddatei angelegt werden."
                : writeQrCodeFile(code, std::get<0>(payload), file, kGiroCodeScale, session.clock().now());
  }
  if (fault.empty()) return file.string();
  session.errorLog().record(operationName("mdlBelegDruck", OperationKind::Function, "GiroCode"), 0, fault);
  return {};
}

}  // namespace

Currency openAmountOf(const DocumentHeader& header, const DocumentTotals& totals) {
  return (totals.zahlbetrag - header.bezahltWieviel).rounded(2, Rounding::HalfAwayFromZero);
}

std::optional<qr::GiroCodeTransfer> giroCodeTransferOf(const Company& company, const DocumentHeader& header,
                                                       const DocumentTotals& totals) {
  const std::string iban = toUpperGerman(withoutSpaces(company.iban));
  const Currency open = openAmountOf(header, totals);
  if (iban.empty() || open < Currency::fromUnits(100) || open > kLargestTransfer) {
    return std::nullopt;
  }
  return qr::GiroCodeTransfer{.bic = toUpperGerman(withoutSpaces(company.bic)),
                              .beneficiary = std::string(trim(company.name)),
                              .iban = iban,
                              .amount = open,
                              .text = std::string(trim(header.belegnummer))};
}

void defineDocumentQrCodes(Session& session, const Layout& layout, DocumentPrintData& print,
                           TemporaryPictures& pictures) {
  const bool qrCode = layout.uses(kQrCodeVariable);
  const bool giroCode = layout.uses(kGiroCodeVariable);
  if (!qrCode && !giroCode) return;
  const Company company = ReadCompany(GlobalConnection(session)).value_or(Company{});
  ReportValues& values = print.report.variables;
  if (qrCode) {
    const std::string text = QRCodeInformation(print.header, company.name, print.type.belegtitel);
    values.definePicture(kQrCodeVariable, pictures.adopt(Generate_QRCode(session, text)));
  }
  if (giroCode) {
    const auto transfer = giroCodeTransferOf(company, print.header, print.totals);
    values.definePicture(kGiroCodeVariable, transfer ? giroCodePicture(session, *transfer, pictures) : "");
  }
}

}  // namespace orvosal

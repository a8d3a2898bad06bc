#pragma once

#include <optional>
#include <string_view>

#include "core/company/company.h"
#include "core/session.h"
#include "documents/printing/document_report_data.h"
#include "documents/printing/temporary_pictures.h"
#include "output/layout/layout.h"
#include "output/qr/giro_code.h"

namespace orvosal {

// The picture variables of a document print that hold QR codes.
inline constexpr std::string_view kQrCodeVariable = "QR_CODE";
inline constexpr std::string_view kGiroCodeVariable = "GiroCode";

// What the customer still has to pay: the gross total less the partial payments on the document
// ("TZ") and less what has been booked as paid (`Bezahlt_Wieviel`), to the cent.
Currency openAmountOf(const DocumentHeader& header, const DocumentTotals& totals);

// The credit transfer a banking app offers for the document: to the company (its name, IBAN and
// BIC, spaces removed) the open amount, with the document number as remittance text. Nothing
// when the company has no IBAN or the open amount is not between 0.01 and 999999999.99.
std::optional<qr::GiroCodeTransfer> giroCodeTransferOf(const Company& company, const DocumentHeader& header,
                                                       const DocumentTotals& totals);

// Defines the QR code pictures the layout shows, and only those (encoding takes its time):
// "QR_CODE" encodes `QRCodeInformation` of the document (issuer: the company's name, type: the
// type's title) with the saved QR settings; "GiroCode" the payment (giroCodeTransferOf) at level
// M, empty when there is none or the company's bank data cannot be encoded (the reason goes to
// the error log). The image files belong to `pictures`.
void defineDocumentQrCodes(Session& session, const Layout& layout, DocumentPrintData& print,
                           TemporaryPictures& pictures);

}  // namespace orvosal

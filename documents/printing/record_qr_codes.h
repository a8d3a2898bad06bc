#pragma once

#include "core/session.h"
#include "documents/printing/temporary_pictures.h"
#include "output/report/print_job.h"

namespace orvosal {

// Gives every article record ("Artikel.ID") and every address record ("Adressen.ID") of the data
// the field "QR_CODE": the picture of its `QRCodeInformation`, encoded with the saved QR settings.
// The articles and addresses are read again by their keys; a record whose key is gone gets an
// empty picture. The image files belong to `pictures`.
void defineRecordQrCodes(Session& session, ReportData& data, TemporaryPictures& pictures);

// Prints a list of records (articles, addresses, address labels, documents) as printReport does;
// when the layout uses "QR_CODE", the article and address records get their codes first
// (defineRecordQrCodes). The pictures are deleted when the print is over.
PrintResult printRecordList(Session& session, PrintPort& port, const PrintRequest& request, ReportData data);

}  // namespace orvosal

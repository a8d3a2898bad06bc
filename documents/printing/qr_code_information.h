#pragma once

#include <string>
#include <string_view>

#include "documents/records/document_header.h"
#include "masterdata/addresses/address.h"
#include "masterdata/articles/article.h"

namespace orvosal {

// The texts a report's "QR_CODE" variable encodes, lines separated by CR LF. For a document the
// caller names the issuer (the company) and the document type.
std::string QRCodeInformation(const DocumentHeader& document, std::string_view issuer,
                              std::string_view typeName);
std::string QRCodeInformation(const Article& article);
std::string QRCodeInformation(const Address& address);

}  // namespace orvosal

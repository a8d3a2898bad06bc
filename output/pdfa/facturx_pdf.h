#pragma once

#include <filesystem>
#include <string>

#include "core/datetime.h"

namespace orvosal {

// What the PDF/A-3 step needs besides the two files.
struct FacturXPdf {
  std::string title;  // dc:title of the XMP, e.g. "Rechnung RE-100"
  DateTime created;   // xmp:CreateDate and the attachment's date, from the session's clock
  std::string conformanceLevel = "EN 16931";
};

// The sRGB ICC profile of the output intent (package icc-profiles-free).
inline constexpr const char* kSrgbProfile = "/usr/share/color/icc/sRGB.icc";

// Turns a PDF (as QPdfWriter writes it) into a ZUGFeRD / Factur-X PDF/A-3b: the CII `xml` embedded
// as "factur-x.xml" (AFRelationship Alternative, in the catalog's /AF and /Names), XMP metadata
// with the PDF/A identification and the Factur-X extension schema, the sRGB output intent, no
// document information dictionary (the XMP is the only metadata), streams written with an end of
// line before "endstream". Answers an empty text on success, else the German message; `out` is
// then not written.
std::string writeFacturXPdf(const std::filesystem::path& in, const std::string& xml, const FacturXPdf& info,
                            const std::filesystem::path& out);

}  // namespace orvosal

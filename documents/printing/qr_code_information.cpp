#include "documents/printing/qr_code_information.h"

namespace orvosal {

namespace {

std::string lines(std::initializer_list<std::string> parts) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += "\r\n";
    text += part;
  }
  return text;
}

}  // namespace

std::string QRCodeInformation(const DocumentHeader& document, std::string_view issuer,
                              std::string_view typeName) {
  return lines({"Aussteller: " + std::string(issuer), "Belegart: " + std::string(typeName),
                "Vorgangsnummer: " + std::to_string(document.vorgangsNummer),
                "Belegnummer: " + document.belegnummer,
                "Belegdatum: " + (document.belegdatum ? document.belegdatum->toGerman() : std::string()),
                "Kundennummer: " + document.kundennummer, "Kunde: " + document.name + " " + document.vorname,
                "PID: " + std::to_string(document.belegId)});
}

std::string QRCodeInformation(const Article& article) {
  return lines({"Artikelnummer: " + article.artikelnummer, "Bezeichnung1: " + article.bezeichnung1,
                "Bezeichnung2: " + article.bezeichnung2, "Bezeichnung3: " + article.bezeichnung3,
                "Bezeichnung4: " + article.bezeichnung4});
}

std::string QRCodeInformation(const Address& address) {
  return lines({"Name: " + address.name, "Straße: " + address.straße,
                "PLZ/Ort: " + address.plz + " - " + address.ort, "TEL: " + address.telefon1,
                "EMAIL: " + address.email});
}

}  // namespace orvosal

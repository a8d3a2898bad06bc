#include "documents/printing/qr_code_information.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

TEST(QRCodeInformation, DocumentArticleAndAddressTexts) {
  DocumentHeader document;
  document.vorgangsNummer = 17;
  document.belegnummer = "RE-1001";
  document.belegdatum = Date::fromYmd(2026, 12, 6);
  document.kundennummer = "10004";
  document.name = "Muster";
  document.vorname = "Erika";
  document.belegId = 42;
  EXPECT_EQ(QRCodeInformation(document, "Orvosal GmbH", "Rechnung"),
            "Aussteller: Orvosal GmbH\r\nBelegart: Rechnung\r\nVorgangsnummer: 17\r\nBelegnummer: RE-1001\r\n"
            "Belegdatum: 06.12.2026\r\nKundennummer: 10004\r\nKunde: Muster Erika\r\nPID: 42");

  Article article;
  article.artikelnummer = "A-1";
  article.bezeichnung1 = "Schraube";
  article.bezeichnung4 = "verzinkt";
  EXPECT_EQ(QRCodeInformation(article),
            "Artikelnummer: A-1\r\nBezeichnung1: Schraube\r\nBezeichnung2: \r\nBezeichnung3: "
            "\r\nBezeichnung4: verzinkt");

  Address address;
  address.name = "Muster";
  address.straße = "Hauptstraße 1";
  address.plz = "10115";
  address.ort = "Berlin";
  address.telefon1 = "030 123";
  address.email = "info@example.com";
  EXPECT_EQ(QRCodeInformation(address),
            "Name: Muster\r\nStraße: Hauptstraße 1\r\nPLZ/Ort: 10115 - Berlin\r\nTEL: 030 123\r\nEMAIL: "
            "info@example.com");
}

}  // namespace
}  // namespace orvosal

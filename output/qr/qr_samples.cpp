#include "output/qr/qr_samples.h"

namespace orvosal::qr {

const std::vector<QrSample>& qrSamples() {
  static const std::vector<QrSample> samples = {
      {"Freier Text", "Tilde test: ~d065~d067~d013~h45 ~~"},
      {"URL", "https://www.example.com"},
      {"Telefonnummer", "tel:+49301234567"},
      {"Email Adresse", "mailto:info@example.com"},
      {"Email Nachricht", "MATMSG:TO:info@example.com;SUB:Betreff;BODY:Nachricht;;"},
      {"vCard Kontakt",
       "MECARD:N:Mustermann,Max;TEL:+49301234567;URL:https://www.example.com;"
       "EMAIL:max@example.com;ADR:Musterstraße 1, 10115 Berlin;NOTE:Kunde;;"},
      {"Location", "geo:52.5200,13.4050,34"},
      {"WiFi Connection", "WIFI:T:WPA;S:Netzwerk;P:Schluessel;;"},
      {"URL Bookmark", "MEBKM:TITLE:Beispiel;URL:https://www.example.com;;"},
      {"Event",
       "BEGIN:VEVENT\r\nSUMMARY:Termin\r\nDTSTART:20121030T190000Z\r\nDTEND:20121030T200000Z\r\nEnd:VEVENT"},
  };
  return samples;
}

}  // namespace orvosal::qr

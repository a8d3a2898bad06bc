#pragma once

#include <optional>
#include <string>

#include "core/datetime.h"

namespace orvosal {

// What the start-up reads once and every part of the program reads afterwards.
struct StartupState {
  bool noLogin = false;  // `Security.Benutzerverwaltung` is 0 or less
  bool useIniPathForDocuments = false;
  bool geplanteAufgaben = false;
  bool telefonie = false;
  int minZeitDiff = 60;
  bool hasSachKonten04 = false;          // `sSachKto04` exists
  bool hasVorwahlen = false;             // `sVorwahlen` exists
  bool hasArtikelToKunde = false;        // `Artikel_to_Kunde` exists
  std::optional<DateTime> earliestDate;  // the oldest document or booking on record
  std::string telefonFormat;
};

}  // namespace orvosal

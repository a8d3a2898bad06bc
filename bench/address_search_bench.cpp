// The address search as the search window runs it, one query per keystroke, on 100,000 addresses
// with German names, towns and streets: on a file database and, when ORVOSAL_TEST_PG names a
// server, on PostgreSQL. Prints median and slowest time per keystroke.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_server.h"
#include "core/db/database.h"
#include "core/db/transaction.h"
#include "core/rules/soundex.h"
#include "core/schema/upgrade.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "masterdata/addresses/address_search.h"

namespace {

using namespace orvosal;
constexpr int kAddresses = 100000;
constexpr int kRounds = 9;

constexpr std::array kSurnames = {
    "Müller",   "Schmidt",  "Schneider", "Fischer",    "Weber",   "Meyer",     "Wagner",     "Becker",
    "Schulz",   "Hoffmann", "Schäfer",   "Koch",       "Bauer",   "Richter",   "Klein",      "Wolf",
    "Schröder", "Neumann",  "Schwarz",   "Zimmermann", "Braun",   "Krüger",    "Hofmann",    "Hartmann",
    "Lange",    "Schmitt",  "Werner",    "Schmitz",    "Krause",  "Meier",     "Lehmann",    "Schmid",
    "Schulze",  "Maier",    "Köhler",    "Herrmann",   "König",   "Walter",    "Mayer",      "Huber",
    "Kaiser",   "Fuchs",    "Peters",    "Lang",       "Scholz",  "Möller",    "Weiß",       "Jung",
    "Hahn",     "Schubert", "Vogel",     "Friedrich",  "Keller",  "Günther",   "Frank",      "Berger",
    "Winkler",  "Roth",     "Beck",      "Lorenz",     "Baumann", "Franke",    "Albrecht",   "Schuster",
    "Simon",    "Ludwig",   "Böhm",      "Winter",     "Kraus",   "Martin",    "Schumacher", "Krämer",
    "Vogt",     "Stein",    "Jäger",     "Otto",       "Sommer",  "Groß",      "Seidel",     "Heinrich",
    "Brandt",   "Haas",     "Schreiber", "Graf",       "Schulte", "Dietrich",  "Ziegler",    "Kuhn",
    "Kühn",     "Pohl",     "Engel",     "Horn",       "Busch",   "Bergmann",  "Thomas",     "Voigt",
    "Sauer",    "Arnold",   "Wolff",     "Pfeiffer",   "Meiners", "Meinhardt", "Meißner",    "Mertens",
};

constexpr std::array kFirstNames = {
    "Anna",    "Maria",     "Ursula",    "Monika",  "Petra",  "Elisabeth", "Sabine",   "Renate",  "Helga",
    "Karin",   "Brigitte",  "Ingrid",    "Erika",   "Andrea", "Gisela",    "Claudia",  "Susanne", "Gabriele",
    "Christa", "Christine", "Peter",     "Michael", "Thomas", "Andreas",   "Wolfgang", "Klaus",   "Jürgen",
    "Günter",  "Stefan",    "Christian", "Uwe",     "Werner", "Horst",     "Frank",    "Dieter",  "Manfred",
    "Gerhard", "Hans",      "Bernd",     "Torsten", "Jörg",   "Matthias",  "Markus",   "Sven",    "Lukas",
    "Leonie",  "Jonas",     "Mia",       "Emma",    "Ömer",
};

struct Town {
  const char* postcode;
  const char* name;
};

constexpr std::array<Town, 24> kTowns = {{
    {"10115", "Berlin"},    {"20095", "Hamburg"},   {"80331", "München"},    {"50667", "Köln"},
    {"60311", "Frankfurt"}, {"70173", "Stuttgart"}, {"40213", "Düsseldorf"}, {"44135", "Dortmund"},
    {"45127", "Essen"},     {"04109", "Leipzig"},   {"28195", "Bremen"},     {"01067", "Dresden"},
    {"30159", "Hannover"},  {"90402", "Nürnberg"},  {"47051", "Duisburg"},   {"44787", "Bochum"},
    {"42103", "Wuppertal"}, {"33602", "Bielefeld"}, {"53111", "Bonn"},       {"48143", "Münster"},
    {"76133", "Karlsruhe"}, {"68159", "Mannheim"},  {"86150", "Augsburg"},   {"65183", "Wiesbaden"},
}};

constexpr std::array kStreets = {"Hauptstraße", "Schulstraße",  "Gartenstraße",  "Bahnhofstraße",
                                 "Dorfstraße",  "Bergstraße",   "Birkenweg",     "Lindenstraße",
                                 "Kirchstraße", "Waldstraße",   "Ringstraße",    "Am Markt",
                                 "Mühlenweg",   "Goethestraße", "Schillerstraße"};

double milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <typename List>
const auto& pick(std::mt19937& random, const List& list) {
  return list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)];
}

// Addresses in one transaction through the bulk write; a tenth of them suppliers.
void fillAddresses(Connection& db) {
  const std::vector<std::string> columns = {
      "Kunde", "Kundennummer", "Name",  "Vorname",     "Straße",         "PLZ",
      "Ort",   "Telefon1",     "Email", "SoundExName", "SoundExVorname", "WarningLevel"};
  std::mt19937 random(20261208);
  int row = 0;
  DbTransaction tx(db);
  db.insertRows(db.tableSchema("Adressen"), columns, [&](std::vector<Value>& values) {
    if (row == kAddresses) return false;
    ++row;
    const std::string name = pick(random, kSurnames);
    const std::string first = pick(random, kFirstNames);
    const Town& town = pick(random, kTowns);
    values = {Value(row % 10 != 0),
              Value(std::to_string(10000 + row)),
              Value(name),
              Value(first),
              Value(std::string(pick(random, kStreets)) + " " + std::to_string(1 + row % 120)),
              Value(std::string(town.postcode)),
              Value(std::string(town.name)),
              Value("0" + std::to_string(30 + row % 900) + " " + std::to_string(100000 + row)),
              Value("post" + std::to_string(row) + "@beispiel.de"),
              Value(SoundEx(name)),
              Value(SoundEx(first)),
              Value(int64_t{0})};
    return true;
  });
  tx.commit();
}

struct Sequence {
  const char* label;
  AddressSearchField field;
  std::vector<std::string> keystrokes;
};

std::vector<Sequence> sequences() {
  return {
      {"Name", AddressSearchField::Name, {"M", "Me", "Mei", "Meie", "Meier"}},
      {"Name enthält", AddressSearchField::NameInfix, {"m", "ma", "man", "mann"}},
      {"Ort", AddressSearchField::Town, {"B", "Be", "Ber", "Berl", "Berlin"}},
      {"Nummer", AddressSearchField::Number, {"1", "10", "105", "1050", "10500"}},
      {"PLZ", AddressSearchField::Postcode, {"8", "80", "803", "8033"}},
      {"Phonetisch", AddressSearchField::Phonetic, {"M", "Ma", "May", "Mayr"}},
      {"Freitext", AddressSearchField::FreeText, {"h", "ha", "hau", "haup", "haupt"}},
  };
}

// `analyze` refreshes the engine's statistics after the bulk write, as the engine's own
// maintenance would soon do.
void benchSearch(const char* engine, const std::filesystem::path& folder,
                 const std::function<void(SettingsFiles&)>& configure,
                 const std::function<void(Connection&)>& analyze) {
  bench::BenchSession bench(engine, folder, configure);
  if (!bench.opened()) return;
  Session& session = bench.session();
  Connection& db = bench.db();
  Datenbank_Anpassungen(session);
  const double filled = milliseconds([&] { fillAddresses(db); });
  analyze(db);
  std::printf("\n%s: %d addresses written in %.0f ms\n", engine, kAddresses, filled);
  std::printf("%-14s %-8s %6s %10s %10s\n", "search", "typed", "rows", "median ms", "max ms");
  for (const Sequence& sequence : sequences()) {
    for (const std::string& typed : sequence.keystrokes) {
      AddressSearch search{typed, sequence.field, true, 200};
      std::vector<double> times;
      size_t rows = 0;
      searchAddresses(session, search);  // warms the caches
      for (int round = 0; round < kRounds; ++round) {
        times.push_back(milliseconds([&] { rows = searchAddresses(session, search).size(); }));
      }
      std::sort(times.begin(), times.end());
      std::printf("%-14s %-8s %6zu %10.2f %10.2f\n", sequence.label, typed.c_str(), rows,
                  times[times.size() / 2], times.back());
    }
  }
  bench.printFirstError();
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  bench::runOnBothEngines("orvosal_address_search_bench", "ANALYZE", false, [](const bench::BenchEngine& e) {
    benchSearch(e.name, e.folder, e.configure, e.analyze);
  });
  return 0;
}

// The article search as the search window runs it, one query per keystroke, on 500,000 articles
// with German descriptions, product groups, suppliers and barcodes: on a file database and, when
// ORVOSAL_TEST_PG names a server, on PostgreSQL. Prints median and slowest time per keystroke.

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
#include "core/schema/upgrade.h"
#include "core/scripted_ui.h"
#include "core/session.h"
#include "masterdata/articles/article_search.h"

namespace {

using namespace orvosal;
constexpr int kArticles = 500000;
constexpr int kSuppliers = 40;
constexpr int kRounds = 7;

constexpr std::array kNouns = {
    "Schraube",
    "Mutter",
    "Unterlegscheibe",
    "Dübel",
    "Winkel",
    "Scharnier",
    "Kabel",
    "Stecker",
    "Steckdose",
    "Schalter",
    "Leuchte",
    "Lampe",
    "Rohr",
    "Muffe",
    "Bogen",
    "Flansch",
    "Dichtung",
    "Ventil",
    "Hammer",
    "Zange",
    "Säge",
    "Bohrer",
    "Meißel",
    "Feile",
    "Pinsel",
    "Farbe",
    "Lack",
    "Kleber",
    "Silikon",
    "Klebeband",
    "Handschuh",
    "Schutzbrille",
    "Gehörschutz",
    "Arbeitshose",
    "Sicherheitsschuh",
    "Helm",
    "Fliese",
    "Platte",
    "Latte",
    "Balken",
    "Brett",
    "Leiste",
    "Schlauch",
    "Kupplung",
    "Pumpe",
    "Filter",
    "Spüle",
    "Armatur",
};

constexpr std::array kAttributes = {
    "verzinkt", "Edelstahl", "Messing",  "Kupfer",     "Kunststoff", "Aluminium", "schwarz",
    "weiß",     "grau",      "rot",      "blau",       "grün",       "groß",      "klein",
    "extra",    "robust",    "flexibel", "wetterfest", "innen",      "außen",     "Profi",
};

constexpr std::array kSizes = {"M4",    "M5",    "M6",    "M8",  "M10", "M12", "10 mm", "16 mm", "20 mm",
                               "25 mm", "1/2\"", "3/4\"", "1 m", "2 m", "5 m", "10 m",  "0,5 l", "1 l"};

constexpr std::array kUnits = {"Stk", "Stk", "Stk", "m", "Pck", "l", "kg", "Rolle"};

constexpr std::array kGroups = {"Befestigung", "Elektro", "Sanitär", "Werkzeug",  "Farben", "Arbeitsschutz",
                                "Holz",        "Garten",  "Heizung", "Beschläge", "Kleben", "Fliesen"};

double milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <typename List>
const auto& pick(std::mt19937& random, const List& list) {
  return list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)];
}

// A 13-digit code of the German range.
std::string ean(int row) {
  std::string code = "40" + std::to_string(10000000000LL + row * 7919LL % 9999999999LL);
  return code.substr(0, 13);
}

// Articles and, for every fifth, a supplier price at a second supplier, each table in one
// transaction through the bulk write.
void fillArticles(Connection& db) {
  const std::vector<std::string> columns = {"Artikelnummer", "Bezeichnung1", "Bezeichnung2",   "Bezeichnung3",
                                            "Einheit",       "Mwst",         "Verkaufspreis1", "Bestand",
                                            "Warengruppe",   "Lieferant",    "Barcode",        "EAN-Code"};
  std::mt19937 random(20261209);
  int row = 0;
  DbTransaction tx(db);
  db.insertRows(db.tableSchema("Artikel"), columns, [&](std::vector<Value>& values) {
    if (row == kArticles) return false;
    ++row;
    const std::string noun = pick(random, kNouns);
    const std::string attribute = pick(random, kAttributes);
    const std::string size = pick(random, kSizes);
    const bool nounFirst = row % 3 != 0;
    values = {
        Value(std::to_string(100000 + row)),
        Value(nounFirst ? noun + " " + attribute + " " + size : attribute + " " + noun + " " + size),
        Value(row % 2 == 0 ? std::string("Lieferung im Karton zu ") + std::to_string(1 + row % 50) + " Stück"
                           : std::string()),
        Value(row % 5 == 0 ? std::string("passend für Serie ") + std::to_string(row % 700) : std::string()),
        Value(std::string(pick(random, kUnits))),
        Value(int64_t{2}),
        Value(Currency::fromDouble(0.5 + (row % 10000) / 100.0)),
        Value(Currency::fromDouble(row % 250)),
        Value(std::string(pick(random, kGroups))),
        Value(int64_t{1 + row % kSuppliers}),
        Value(row % 2 == 0 ? ean(row) : std::string()),
        Value(row % 2 == 1 ? ean(row) : std::string())};
    return true;
  });
  int price = 0;
  db.insertRows(db.tableSchema("LieferantenPreise"), {"Artikel_ID", "LieferantenID", "Preis", "Bestellummer"},
                [&](std::vector<Value>& values) {
                  if (price == kArticles / 5) return false;
                  ++price;
                  const int article = price * 5;
                  values = {Value(int64_t{article}), Value(int64_t{1 + (article + 7) % kSuppliers}),
                            Value(Currency::fromDouble(0.3 + (article % 5000) / 100.0)),
                            Value("L-" + std::to_string(article))};
                  return true;
                });
  tx.commit();
}

struct Sequence {
  const char* label;
  ArticleSearchField field;
  std::vector<std::string> keystrokes;
  std::string group = {};
  int64_t supplier = 0;
};

std::vector<Sequence> sequences() {
  using F = ArticleSearchField;
  return {
      {"Nummer", F::Number, {"1", "12", "123", "1234", "12345", "123456"}, "", 0},
      {"Nummer enth.", F::NumberInfix, {"4", "45", "456", "4567"}, "", 0},
      {"Bezeichnung", F::Description, {"S", "Sc", "Sch", "Schr", "Schra", "Schrau"}, "", 0},
      {"Bez. enthält", F::DescriptionInfix, {"s", "st", "sta", "stah", "stahl"}, "", 0},
      {"Bez. selten", F::DescriptionInfix, {"q", "qu", "qua", "quar", "quark"}, "", 0},
      {"alle Bez.", F::AnyDescription, {"s", "se", "ser", "seri", "serie 12"}, "", 0},
      {"Barcode", F::Barcode, {"4", "40", "401", "4010", "40100", "4010000791"}, "", 0},
      {"Bez.+Gruppe", F::Description, {"", "S", "Sc", "Sch"}, "Elektro", 0},
      {"Bez.+Lief.", F::Description, {"", "K", "Ka", "Kab"}, "", 7},
  };
}

// `analyze` refreshes the engine's statistics (and on the server its map of all-visible pages)
// after the bulk write, as the engine's own maintenance would soon do.
void benchSearch(const char* engine, const std::filesystem::path& folder,
                 const std::function<void(SettingsFiles&)>& configure,
                 const std::function<void(Connection&)>& analyze) {
  bench::BenchSession bench(engine, folder, configure);
  if (!bench.opened()) return;
  Session& session = bench.session();
  Connection& db = bench.db();
  const double filled = milliseconds([&] { fillArticles(db); });
  // The upgrade builds the search indexes over the articles there are, as on a database that
  // has its articles already.
  const double indexed = milliseconds([&] { Datenbank_Anpassungen(session); });
  analyze(db);
  std::printf("\n%s: %d articles written in %.0f ms, indexed in %.0f ms\n", engine, kArticles, filled,
              indexed);
  std::printf("%-14s %-11s %6s %10s %10s\n", "search", "typed", "rows", "median ms", "max ms");
  std::vector<double> medians;
  for (const Sequence& sequence : sequences()) {
    for (const std::string& typed : sequence.keystrokes) {
      ArticleSearch search{typed, sequence.field, sequence.group, "", sequence.supplier, 200};
      std::vector<double> times;
      size_t rows = 0;
      searchArticles(session, search);  // warms the caches
      for (int round = 0; round < kRounds; ++round) {
        times.push_back(milliseconds([&] { rows = searchArticles(session, search).size(); }));
      }
      std::sort(times.begin(), times.end());
      medians.push_back(times[times.size() / 2]);
      std::printf("%-14s %-11s %6zu %10.2f %10.2f\n", sequence.label, typed.c_str(), rows,
                  times[times.size() / 2], times.back());
    }
  }
  std::sort(medians.begin(), medians.end());
  std::printf("%s: slowest keystroke median %.2f ms, median of all keystrokes %.2f ms\n", engine,
              medians.back(), medians[medians.size() / 2]);
  bench.printFirstError();
}

}  // namespace

// With an argument "keep" the databases stay for a look at the query plans.
int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const bool keep = argc > 1 && std::string(argv[1]) == "keep";
  bench::runOnBothEngines(
      "orvosal_article_search_bench", "VACUUM ANALYZE", keep,
      [](const bench::BenchEngine& e) { benchSearch(e.name, e.folder, e.configure, e.analyze); });
  return 0;
}

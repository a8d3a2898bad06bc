#include "core/rules/soundex.h"

#include <gtest/gtest.h>

namespace orvosal {
namespace {

struct SoundExCase {
  const char* name;
  const char* code;
};

TEST(SoundExTest, CodesNamesLetterByLetter) {
  const SoundExCase cases[] = {
      // Vowels and H, W, Y give nothing; the code keeps its natural length.
      {"Meier", "M6"},
      {"Mayr", "M6"},
      {"Schmidt", "S253"},
      {"Bach", "B2"},
      // "ß" gives "22" and the upper-casing keeps it.
      {"Strauß", "S362"},
      {"Weiß", "W2"},
      {"Meißner", "M256"},
      {"Strauss", "S362"},
      // Runs of one digit collapse, also across letters that give nothing.
      {"Hoffmann", "H15"},
      {"Pfeiffer", "P16"},
      {"Schuster", "S236"},
      // Every group of the table.
      {"Abfpv", "A1"},
      {"Acgjkqsxz", "A2"},
      {"Adt", "A3"},
      {"Al", "A4"},
      {"Amn", "A5"},
      {"Ar", "A6"},
      {"Adldl", "A3434"},
      // Lower case is upper-cased, the first character included, umlauts too.
      {"schmidt", "S253"},
      {"müller", "M46"},
      {"ärger", "Ä626"},
      {"öztürk", "Ö2362"},
      {"ßa", "ß"},
      // Blanks, hyphens and digits give nothing but do not stop the collapse.
      {"van der Berg", "V536162"},
      {"Peter-Paul", "P3614"},
      {"Meier 2", "M6"},
      // The first character counts as the character before the first digit.
      {"1bf", "1"},
      {"2Cz1", "2"},
      // A single character is its own code; nothing gives nothing.
      {"a", "A"},
      {"Ü", "Ü"},
      {"", ""},
  };
  for (const SoundExCase& c : cases) EXPECT_EQ(SoundEx(c.name), c.code) << c.name;
}

}  // namespace
}  // namespace orvosal

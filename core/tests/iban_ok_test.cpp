#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/rules/iban_check.h"
#include "core/tests/db_test_support.h"
#include "core/tests/shell_command.h"

namespace orvosal {
namespace {

TEST(IbanOk, TypedFormsCaseAndLength) {
  const std::pair<const char*, bool> cases[] = {
      {"DE89370400440532013000", true},
      {"DE89 3704 0044 0532 0130 00", true},   // groups of four
      {"DE89 3704 0044 0532 0130 01", false},  // one digit changed
      {"DE98 3704 0044 0532 0130 00", false},  // check digits swapped
      {"de89370400440532013000", true},        // lower case
      {"GB82WEST12345698765432", true},
      {"gb82west12345698765432", true},
      {"GB82WEST12345698765433", false},
      {"NO9386011117947", true},
      {"LC55HEMM000100010012001200023015", true},  // 32 characters, far beyond 64 bits
      {"DE89-3704-0044-0532-0130-00", false},      // only blanks are removed
      {"", false},
      {"    ", false},
      {"DE89", false},  // fewer than five characters
      {"00010", true},  // five characters: "0" + "0001" leaves 1
  };
  for (const auto& [iban, valid] : cases) EXPECT_EQ(IBANOK(iban), valid) << iban;
}

TEST(IbanOk, ModDecimalOfLongNumbers) {
  const std::pair<const char*, int> cases[] = {
      {"0", 0},
      {"96", 96},
      {"97", 0},
      {"98", 1},
      {"123456789", 123456789 % 97},
      {"1234567890", 1234567890 % 97},
      {"3214282912345698765432161182", 1},             // GB82WEST12345698765432 moved round
      {"99999999999999999999999999999999999999", 94},  // 10^38 - 1, beyond any machine number
  };
  for (const auto& [digits, remainder] : cases) EXPECT_EQ(modDecimal(digits, 97), remainder) << digits;
}

// The IBAN length of a few countries, for generating IBANs of every size in use.
constexpr std::pair<const char*, size_t> kLengths[] = {
    {"DE", 22}, {"AT", 20}, {"BE", 16}, {"CH", 21}, {"FR", 27}, {"GB", 22}, {"IT", 27}, {"NL", 18},
    {"NO", 15}, {"PL", 28}, {"MT", 31}, {"LC", 32}, {"ES", 24}, {"SE", 24}, {"PT", 25}, {"BR", 29},
};

// The remainder by 97 of the number an IBAN-ordered text stands for, digit by digit.
int remainderOf(const std::string& text) {
  int remainder = 0;
  for (char c : text) {
    const int value = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10;
    remainder = (remainder * (value >= 10 ? 100 : 10) + value) % 97;
  }
  return remainder;
}

std::vector<std::string> generatedIbans() {
  std::mt19937 random(4711);
  const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::vector<std::string> ibans;
  for (const auto& [country, length] : kLengths) {
    for (int n = 0; n < 40; ++n) {
      std::string bban;
      for (size_t i = 4; i < length; ++i) bban += alphabet[random() % (n % 2 ? 10 : alphabet.size())];
      const int check = 98 - remainderOf(bban + country + "00");
      const std::string iban = country + std::string(check < 10 ? "0" : "") + std::to_string(check) + bban;
      ibans.push_back(iban);
      std::string changed = iban;
      const size_t at = 2 + random() % (length - 2);
      changed[at] = changed[at] == '9' ? '0' : (std::isdigit(changed[at]) ? changed[at] + 1 : '5');
      ibans.push_back(changed);
      std::string swapped = iban;
      const size_t first = 4 + random() % (length - 5);
      std::swap(swapped[first], swapped[first + 1]);
      ibans.push_back(swapped);
      std::string lower = iban;
      for (char& c : lower) c = static_cast<char>(std::tolower(c));
      ibans.push_back(lower);
    }
  }
  return ibans;
}

TEST(IbanOk, AgreesWithAnIndependentImplementationOnGeneratedIbans) {
  constexpr const char* kPython = "/usr/bin/python3";
  const std::string probe = std::string(kPython) + " -c 'import stdnum.iso7064.mod_97_10' 2>/dev/null";
  if (!std::filesystem::exists(kPython) || std::system(probe.c_str()) != 0)
    GTEST_SKIP() << "python3-stdnum is not installed: the IBAN check is not compared";

  testing::TemporaryFolder folder;
  const std::vector<std::string> ibans = generatedIbans();
  {
    std::ofstream out(folder.path() / "ibans.txt");
    for (const std::string& iban : ibans) out << iban << '\n';
  }
  const std::string command =
      std::string(kPython) +
      " -c 'import sys\nfrom stdnum.iso7064 import mod_97_10\nfor l in open(sys.argv[1]):\n"
      " l = l.strip(); print(1 if mod_97_10.is_valid(l[4:] + l[:4]) else 0)' " +
      (folder.path() / "ibans.txt").string();
  const auto [status, output] = orvosal::testing::runShellCommand(command);
  ASSERT_EQ(status, 0) << output;
  std::vector<bool> answers;
  for (char c : output) {
    if (c == '0' || c == '1') answers.push_back(c == '1');
  }
  ASSERT_EQ(answers.size(), ibans.size());
  int valid = 0;
  for (size_t i = 0; i < ibans.size(); ++i) {
    EXPECT_EQ(IBANOK(ibans[i]), answers[i]) << ibans[i];
    valid += answers[i];
  }
  // Most corruptions are caught, every generated and lower-cased IBAN is valid.
  EXPECT_GE(valid, static_cast<int>(ibans.size() / 2));
  EXPECT_LT(valid, static_cast<int>(ibans.size() * 3 / 4));
}

}  // namespace
}  // namespace orvosal

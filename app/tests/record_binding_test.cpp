#include "app/record_binding.h"

#include <gtest/gtest.h>

#include "masterdata/addresses/address.h"

namespace orvosal {
namespace {

TEST(EntryProblem, ATypedTextMustReadAsAValueOfItsColumnsKind) {
  struct Case {
    const char* column;
    const char* typed;
    const char* problem;
  };
  const Case cases[] = {
      {"GebDat", "12.03.1970", ""},
      {"GebDat", " 1970-03-12 ", ""},
      {"GebDat", "", ""},
      {"GebDat", "31.02.1970", "Bitte ein gültiges Datum eingeben (TT.MM.JJJJ)."},
      {"GebDat", "morgen", "Bitte ein gültiges Datum eingeben (TT.MM.JJJJ)."},
      {"Skonto", "2,5", ""},
      {"Skonto", "1.234,50", ""},
      {"Skonto", "2,5 %", "Bitte eine gültige Zahl eingeben."},
      {"Zahlungsziel", " 14 ", ""},
      {"Zahlungsziel", "14,5", "Bitte eine ganze Zahl eingeben."},
      {"Zahlungsziel", "vierzehn", "Bitte eine ganze Zahl eingeben."},
      {"Name", "31.02.1970", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(entryProblem(findField(AddressFields(), c.column), QString::fromUtf8(c.typed)), c.problem)
        << c.column << " " << c.typed;
  }
}

TEST(RecordBinding, ShowsAndEntersEveryBoundControlAndKeepsShownOnlyColumns) {
  QLineEdit name;
  QLineEdit discount;
  QComboBox country;
  country.setEditable(true);
  QLabel contact;
  RecordBinding<Address> binding(AddressFields());
  binding.bind("Name", &name);
  binding.bindAmount("Skonto", &discount, 2);
  binding.bindText("Land", &country);
  binding.bind("Ansprechpartner", &contact);

  Address shown;
  shown.name = "Adler";
  shown.skonto = Currency::parse("3").value();
  shown.land = "Schweiz";
  shown.ansprechpartner = "Frau Adler";
  binding.show(shown);
  EXPECT_EQ(discount.text(), "3,00");
  EXPECT_EQ(country.currentText(), "Schweiz");
  EXPECT_EQ(contact.text(), "Frau Adler");

  name.setText("  Berger ");
  discount.setText("2,5");
  country.setCurrentText("Österreich");
  contact.setText("geändert");
  Address entered = shown;
  binding.enter(entered);
  EXPECT_EQ(entered.name, "Berger");
  EXPECT_EQ(entered.skonto, Currency::parse("2,5").value());
  EXPECT_EQ(entered.land, "Österreich");
  EXPECT_EQ(entered.ansprechpartner, "Frau Adler");
  EXPECT_FALSE(binding.firstProblem());

  discount.setText("viel");
  const std::optional<EntryProblem> problem = binding.firstProblem();
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->control, &discount);
}

}  // namespace
}  // namespace orvosal

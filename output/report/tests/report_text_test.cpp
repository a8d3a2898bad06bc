#include <gtest/gtest.h>

#include <string>

#include "output/report/report_text.h"
#include "output/report/value_formatting.h"

namespace orvosal {
namespace {

struct NumberCase {
  const char* value;
  const char* format;
  const char* expected;
};

class NumberFormatTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFormatTest, PrintsGerman) {
  auto format = parseValueFormat(GetParam().format);
  ASSERT_TRUE(format);
  EXPECT_EQ(formatValue(ReportValue{GetParam().value, ReportValueType::Number}, *format),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberFormatTest,
    ::testing::Values(NumberCase{"1234.5000", "#,##0.00", "1.234,50"},
                      NumberCase{"1234567.891", "#,##0.00", "1.234.567,89"},
                      NumberCase{"0.005", "0.00", "0,01"}, NumberCase{"-0.005", "0.00", "-0,01"},
                      NumberCase{"-0.004", "0.00", "0,00"}, NumberCase{"2.5", "0", "3"},
                      NumberCase{"-2.5", "0", "-3"}, NumberCase{"999.995", "#,##0.00", "1.000,00"},
                      NumberCase{"9.96", "0.0", "10,0"}, NumberCase{"12.5000", "#,##0.####", "12,5"},
                      NumberCase{"12.0000", "#,##0.##", "12"}, NumberCase{"3.14159", "0.00##", "3,1416"},
                      NumberCase{"3.1", "0.00##", "3,10"}, NumberCase{"100", "#,##0", "100"},
                      NumberCase{"1000", "#,##0", "1.000"}, NumberCase{"007.5", "0.0", "7,5"},
                      NumberCase{"1.234,56", "#,##0.0", "1.234,6"}, NumberCase{"abc", "0.00", "abc"}));

struct DisplayCase {
  ReportValue value;
  const char* format;  // empty: none
  const char* expected;
};

class DisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTest, ShowsValue) {
  const DisplayCase& c = GetParam();
  if (std::string(c.format).empty()) {
    EXPECT_EQ(displayValue(c.value), c.expected);
  } else {
    EXPECT_EQ(formatValue(c.value, *parseValueFormat(c.format)), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplayTest,
    ::testing::Values(
        DisplayCase{{"1234.5000", ReportValueType::Number}, "", "1234,5000"},
        DisplayCase{{"2024-03-05", ReportValueType::Date}, "", "05.03.2024"},
        DisplayCase{{"2024-03-05 14:30:09", ReportValueType::Date}, "", "05.03.2024 14:30"},
        DisplayCase{{"2024-03-05 14:30:09", ReportValueType::Date}, "dd.MM.yy HH:mm:ss", "05.03.24 14:30:09"},
        DisplayCase{{"2024-03-05", ReportValueType::Date}, "MM/yyyy", "03/2024"},
        DisplayCase{{"2024-03-05", ReportValueType::Date}, "d.M.yyyy", "5.3.2024"},
        DisplayCase{{"J", ReportValueType::Boolean}, "", "J"},
        DisplayCase{{"N", ReportValueType::Boolean}, "0.00", "N"},
        DisplayCase{{"Text 1.5", ReportValueType::Text}, "", "Text 1.5"},
        DisplayCase{{"2024-03-05", ReportValueType::Date}, "0.00", "05.03.2024"}));

class ReportTextTest : public ::testing::Test {
 protected:
  ReportTextTest() {
    data.variables.define("Firma_Name", "Muster GmbH");
    data.variables.define("Mengenformat", "#,##0.###");
    data.variables.define("Kaputtformat", "xyz");
    data.variables.defineNumber("Rabatt", int64_t{0});
    data.variables.defineBoolean("Gedruckt", false);
    data.variables.define("Belegpositionen.Bezeichnung1", "Variable");
    record.define("Belegpositionen.Bezeichnung1", "Schraube");
    record.define("Belegpositionen.PosTyp", "ns");
    record.defineNumber("Belegpositionen.Menge", Currency::fromUnits(12345000));
    engine.defineNumber("Seite", int64_t{2});
  }
  ReportData data;
  ReportValues record;
  ReportValues engine;
};

TEST_F(ReportTextTest, ExpandsPlaceholders) {
  ReportTextContext context(data, engine, &record);
  EXPECT_EQ(context.expand("{firma_name}: {Belegpositionen.Bezeichnung1}"), "Muster GmbH: Schraube");
  EXPECT_EQ(context.expand("{Belegpositionen.Menge|@Mengenformat} Stk"), "1.234,5 Stk");
  EXPECT_EQ(context.expand("{{Seite}} {Seite}"), "{Seite} 2");
  EXPECT_EQ(context.expand("[{Unbekannt}]"), "[]");
  EXPECT_EQ(context.expand("{Belegpositionen.Menge|@Fehlt}"), "1234,5000");
  EXPECT_EQ(context.fault(), std::nullopt);
  EXPECT_EQ(context.expand("{Belegpositionen.Menge|@Kaputtformat}"), "1234,5000");
  EXPECT_EQ(context.fault(), "Unbekanntes Format „xyz“ aus der Variablen „Kaputtformat“");
  ReportTextContext band(data, engine);
  EXPECT_EQ(band.expand("{Belegpositionen.Bezeichnung1}"), "Variable");
}

struct ConditionCase {
  const char* condition;
  bool holds;
};

class ConditionTest : public ReportTextTest, public ::testing::WithParamInterface<ConditionCase> {};

TEST_P(ConditionTest, Decides) {
  ReportTextContext context(data, engine, &record);
  EXPECT_EQ(context.holds(GetParam().condition), GetParam().holds) << GetParam().condition;
}

INSTANTIATE_TEST_SUITE_P(Conditions, ConditionTest,
                         ::testing::Values(ConditionCase{"", true}, ConditionCase{"{Firma_Name}", true},
                                           ConditionCase{"{Unbekannt}", false},
                                           ConditionCase{"!{Unbekannt}", true},
                                           ConditionCase{"{Rabatt}", false}, ConditionCase{"!{Rabatt}", true},
                                           ConditionCase{"{Gedruckt}", false}, ConditionCase{"{Seite}", true},
                                           ConditionCase{"{Belegpositionen.PosTyp}=NS", true},
                                           ConditionCase{"{Belegpositionen.PosTyp}!=NS", false},
                                           ConditionCase{"{Belegpositionen.PosTyp}=ZW", false},
                                           ConditionCase{"{Belegpositionen.Menge}=1234,5", true},
                                           ConditionCase{"{Belegpositionen.Menge}=1234.50", true},
                                           ConditionCase{"{Belegpositionen.Menge}!=1234.5", false},
                                           ConditionCase{"{Unbekannt}=", true}));

}  // namespace
}  // namespace orvosal

// Guards the number rules every field and result goes through: a typed key, a conversion that
// must ignore the locale, and results that are cut, never rounded, so a designer never sees
// a dimension larger than the one worked out.
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/errors.h"
#include "german_locale.h"

namespace varnholt {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

TEST(ParseNumber, AcceptsWhatFieldsAndFilesHold) {
    for (const ParseCase& c : {ParseCase{"1.", 1.0},
                               {".5", 0.5},
                               {"0.00001", 0.00001},
                               {"1.5E-5", 0.000015},
                               {"-1.01", -1.01},
                               {" 24 ", 24.0},
                               {"+3", 3.0},
                               {"007", 7.0}}) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(parseNumber(c.text), c.value);
    }
}

TEST(ParseNumber, RefusesWhatIsNotANumberWithTheMessage) {
    for (const char* text : {"", ".", "-", "1,5", "1.2.3", "inf", "nan", "Inf", "+INF", "0x10",
                             "1e", "1e999", "12a", "E5"}) {
        SCOPED_TRACE(text);
        try {
            parseNumber(text);
            ADD_FAILURE() << "converted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

// The desktop program runs under the user's locale (Qt sets it from the environment); a
// German one writes 0,5. Fields and files always use ".".
TEST(ParseNumber, IgnoresTheLocale) {
    const testing::GermanLocale german;
    if (!german.inForce()) GTEST_SKIP() << "localedef could not build a German locale here";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5");  // the locale really is in force
    EXPECT_DOUBLE_EQ(parseNumber("0.5"), 0.5);
    EXPECT_FALSE(tryParseNumber("0,5"));
    EXPECT_EQ(displayText(2.5347), "2.53");
    EXPECT_EQ(generalText(0.000015), "1.5E-5");
}

struct DisplayCase {
    double value;
    const char* shown;
};

TEST(DisplayText, CutsAfterTheSecondDecimal) {
    for (const DisplayCase& c : {DisplayCase{0.5347, "0.53"},
                                 {2.5, "2.5"},
                                 {123.0, "123"},
                                 {-1.016, "-1.01"},
                                 {0.000004, "0.00"},
                                 {12.999, "12.99"},
                                 {3, "3"},
                                 {0.1 + 0.2, "0.3"},
                                 {0.0, "0"},
                                 {-0.0, "0"},
                                 {6.2499999999999991, "6.25"},
                                 {1e20, "100000000000000000000"},
                                 {0.540184453227931, "0.54"}}) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(displayText(c.value), c.shown);
    }
    EXPECT_EQ(displayText(0.0277777777, 4), "0.0277");
}

TEST(PlainAndGeneralText, FifteenDigitsNoTrailingZeros) {
    EXPECT_EQ(plainText(0.1 + 0.2), "0.3");
    EXPECT_EQ(plainText(0.25 + 0.1), "0.35");
    EXPECT_EQ(plainText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(plainText(0.000015), "0.000015");
    for (const DisplayCase& c : {DisplayCase{0.000015, "1.5E-5"},
                                 {0.0001, "0.0001"},
                                 {0.00009, "9E-5"},
                                 {1e15, "1E15"},
                                 {999999999999999.0, "999999999999999"},
                                 {-2.5e-7, "-2.5E-7"},
                                 {0.75, "0.75"},
                                 {1.23, "1.23"},
                                 {2, "2"}}) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(generalText(c.value), c.shown);
    }
}

// What the program shows for a value that is not finite goes into fields and project files,
// and converts back to the same kind of value.
TEST(NonFiniteText, NamesTheFaultAndReadsBack) {
    EXPECT_EQ(displayText(1.0 / 0.0), "INF");
    EXPECT_EQ(displayText(-1.0 / 0.0), "-INF");
    EXPECT_EQ(generalText(std::nan("")), "NAN");
    EXPECT_EQ(parseNumber("INF"), 1.0 / 0.0);
    EXPECT_EQ(parseNumber("-INF"), -1.0 / 0.0);
    EXPECT_TRUE(std::isnan(parseNumber("NAN")));
}

TEST(IsZeroOrEmpty, TakesEveryTextOfZero) {
    for (const char* zero : {"", "0", "0.0", "-0", "00", ".0", "0E5"})
        EXPECT_TRUE(isZeroOrEmpty(zero)) << zero;
    for (const char* other : {"1", "1e-320", ".", "abc", "NAN"})
        EXPECT_FALSE(isZeroOrEmpty(other)) << other;
}

}  // namespace
}  // namespace varnholt

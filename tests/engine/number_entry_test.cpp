// Guards what the keyboard and the clipboard may put into a number: a refused key or paste
// changes nothing and says what the field takes, so that no typed value silently becomes
// another, and the infiltration rate takes the exponent form the program itself writes there.
#include "engine/number_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

struct Typed {
    std::string text;
    std::string lastHint;
};

// Keys typed one by one at the end of the field, as the headless driver types them.
Typed typeInto(Field f, std::string text, std::string_view keys) {
    Typed out{std::move(text), {}};
    for (char key : keys) {
        const char k = enteredKey(f, key);
        const std::string result =
            k == '\b' ? out.text.substr(0, out.text.size() - !out.text.empty()) : out.text + k;
        const EntryCheck check = checkKey(f, out.text, result, key);
        if (check.accepted)
            out.text = result;
        else
            out.lastHint = check.hint;
    }
    return out;
}

const std::string kPlain = "This field takes a number: digits and one decimal point.";
const std::string kExponent =
    "This field takes a number: digits, one decimal point and an exponent such as 1E-5.";
const std::string kComma = "Use a point for decimals.";
const std::string kRange = "That number is out of range.";

TEST(KeyFilter, RefusesWhatIsNoPartOfANumberAndSaysWhatTheFieldTakes) {
    struct Case {
        Field field;
        const char* keys;
        const char* text;
        const std::string& hint;
    };
    const std::string none;
    const std::string zeros(309, '0');
    for (const Case& c : {
             Case{Field::txtarea, "1.2.3", "1.23", kPlain},
             {Field::txtarea, "-e+E 5", "5", kPlain},
             {Field::txtarea, "1,5", "15", kComma},
             {Field::txtarea, "12\b\b\b7", "7", none},
             {Field::txtVR, "0.35", "0.35", none},
             {Field::txtlength, "1e5", "15", kPlain},  // only the rate takes an exponent
             {Field::txtsinf, "1e-5", "1E-5", none},
             {Field::txtsinf, "2.5e-6", "2.5E-6", none},
             {Field::txtsinf, "1E-", "1E-", none},  // on its way: left to wait
             {Field::txtsinf, "e5", "5", kExponent},
             {Field::txtsinf, ".E5", ".5", kExponent},
             {Field::txtsinf, "1E-5E", "1E-5", kExponent},
             {Field::txtsinf, "1-5", "15", kExponent},
             {Field::txtsinf, "1E--5", "1E-5", kExponent},
             {Field::txtsinf, "1E5.", "1E5", kExponent},
             {Field::txtsinf, "1E999", "1E99", kRange},
             {Field::txtsinf, "1E-999", "1E-99", kRange},
         }) {
        const Typed typed = typeInto(c.field, "", c.keys);
        EXPECT_EQ(typed.text, c.text) << nameOf(c.field) << " " << c.keys;
        EXPECT_EQ(typed.lastHint, c.hint) << nameOf(c.field) << " " << c.keys;
    }
    EXPECT_EQ(typeInto(Field::txtarea, "1", zeros).text, "1" + zeros.substr(1));
    EXPECT_EQ(typeInto(Field::txtarea, "1", zeros).lastHint, kRange);
}

TEST(KeyFilter, TheWholeTextDecidesASecondPointWhateverASelectionWouldReplace) {
    EXPECT_FALSE(checkKey(Field::txtarea, "0.5", ".", '.').accepted);
    EXPECT_TRUE(checkKey(Field::txtarea, "05", "0.5", '.').accepted);
    // Keys land where the cursor is: an "E" inside the digits, a digit inside the exponent.
    EXPECT_TRUE(checkKey(Field::txtsinf, "15", "1E5", 'e').accepted);
    EXPECT_FALSE(checkKey(Field::txtsinf, "1E-5", "1E5-5", '5').accepted);
}

TEST(EnteredText, APasteMustLeaveANumberOrItIsRefusedWhole) {
    struct Case {
        Field field;
        const char* pasted;
        bool taken;
        const char* text;  // what the field then holds
        const std::string& hint;
    };
    const std::string none;
    for (const Case& c : {
             Case{Field::txtarea, " 12.5\n", true, "12.5", none},
             {Field::txtarea, "", true, "", none},
             {Field::txtarea, ".5", true, ".5", none},
             {Field::txtarea, "12a", false, "", kPlain},
             {Field::txtarea, "1,5", false, "", kComma},
             {Field::txtarea, "-5", false, "", kPlain},
             {Field::txtarea, ".", false, "", kPlain},
             {Field::txtarea, "1e5", false, "", kPlain},
             {Field::txtarea, "1e400", false, "", kPlain},
             {Field::txtsinf, "1.5e-5", true, "1.5E-5", none},
             {Field::txtsinf, "3.33E-5", true, "3.33E-5", none},
             {Field::txtsinf, "1E", false, "", kExponent},
             {Field::txtsinf, "1-5", false, "", kExponent},
             {Field::txtsinf, "1E400", false, "", kRange},
             {Field::txtsinf, "1E-400", false, "", kRange},
         }) {
        std::string text = c.pasted;
        const EntryCheck check = checkEnteredText(c.field, text);
        EXPECT_EQ(check.accepted, c.taken) << c.pasted;
        EXPECT_EQ(check.hint, c.hint) << c.pasted;
        if (c.taken) {
            EXPECT_EQ(text, c.text) << c.pasted;
        }
    }
}

TEST(EnteredText, AnExponentOnItsWayIsNeitherANumberNorAFailure) {
    for (const char* waiting : {"1E", "1E-", "2.5E", ".5E-"})
        EXPECT_TRUE(isExponentInProgress(waiting)) << waiting;
    for (const char* not_waiting : {"1", "1E5", "1E-5", "E", "E-", ".E", "1-", ""})
        EXPECT_FALSE(isExponentInProgress(not_waiting)) << not_waiting;
}

}  // namespace
}  // namespace varnholt

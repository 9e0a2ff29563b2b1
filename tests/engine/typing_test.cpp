// Guards the typing rule: a text the user types is never rewritten while it is typed. The
// write-back of the sizing used to rewrite the very field being typed in after every key, so
// that the next key landed in the program's text: "12.5" typed into the length ended at 1.00.
#include <gtest/gtest.h>

#include "engine/design.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::start;

// 150 m2 of roof, 24.8 mm of rain in an hour, 0.00001 m/s, a trench 1.5 m deep.
void enterSite(Design& design) {
    enter(design, {{Field::txtarea, "150"},
                   {Field::txtrain, "0.0248"},
                   {Field::txtsinf, "0.00001"},
                   {Field::txtdepth, "1.5"},
                   {Field::lblwid, "0.6"}});
}

// The user selects the whole text and types over it: the first key replaces it.
void typeOver(Design& design, Field f, std::string_view keys) {
    const std::string first(1, keys.front());
    ASSERT_TRUE(design.allowKey(f, first, keys.front()));
    design.typeText(f, first);
    for (char key : keys.substr(1)) ASSERT_TRUE(design.type(f, key));
}

TEST(Typing, TheTypedTextStandsAndEveryOtherFieldShowsTheDesignForIt) {
    struct Case {
        const char* what;
        bool lengthFirst;  // a length written by the program before the user types
        Field field;
        bool over;  // typed over the selected text rather than into the emptied field
        const char* keys;
        const char* length;
        const char* width;
        const char* depth;
        const char* time;
    };
    for (const Case& c : {
             Case{"length into an empty field", false, Field::txtlength, false, "12.5", "12.5",
                  "0.53", "1.5", "2.14"},
             {"length over a selected one", true, Field::txtlength, true, "12.5", "12.5", "0.53",
              "1.5", "2.14"},
             {"width into an empty field", true, Field::lblwid, false, "0.6", "11.38", "0.6", "1.5",
              "2.37"},
             {"width over a selected one", true, Field::lblwid, true, "0.6", "11.38", "0.6", "1.5",
              "2.37"},
             {"depth into an empty field", true, Field::txtdepth, false, "2", "7.55", "0.69", "2",
              "2.63"},
             {"depth over a selected one", true, Field::txtdepth, true, "2", "7.55", "0.69", "2",
              "2.63"},
         }) {
        SCOPED_TRACE(c.what);
        Design design;
        start(design);
        enterSite(design);
        if (c.lengthFirst) design.write(Field::txtlength, "10");
        if (c.over) {
            typeOver(design, c.field, c.keys);
        } else {
            design.write(c.field, "");
            for (char key : std::string_view(c.keys)) ASSERT_TRUE(design.type(c.field, key));
        }
        const DesignRecord& r = design.record();
        EXPECT_EQ(r.text(Field::txtlength), c.length);
        EXPECT_EQ(r.text(Field::lblwid), c.width);
        EXPECT_EQ(r.text(Field::txtdepth), c.depth);
        EXPECT_EQ(r.text(Field::lbltime), c.time);
        EXPECT_FALSE(r.flags.solveWidth || r.flags.solveLength);
        EXPECT_TRUE(r.flags.trenchdrawable);
    }
}

TEST(Typing, TheHalfEmptyTimeIsThatOfTheTypedLength) {
    Design design;
    start(design);
    enterSite(design);
    design.write(Field::txtlength, "");
    for (char key : std::string_view("12.5")) design.type(Field::txtlength, key);
    EXPECT_DOUBLE_EQ(design.record().trench.length, 12.5);
    EXPECT_NEAR(design.record().trench.width, 0.536186, 1e-6);
}

// A program's write is not typing: the write-back still settles the written text.
TEST(Typing, AWriteByTheProgramIsStillRewrittenByTheChain) {
    Design design;
    start(design);
    enterSite(design);
    design.write(Field::txtlength, "12.5");
    EXPECT_EQ(design.record().text(Field::txtlength), "12.62");  // from the width shown, 0.53
    design.stepUp(Field::txtlength);
    EXPECT_EQ(design.record().text(Field::txtlength), "12.81");  // 12.72 settled likewise
}

// With every input but the width, the length typed earlier asked for the width; the width the
// user then types stands, and the length is solved for it.
TEST(Typing, AWidthTypedLastStandsOverAPendingWidthSolve) {
    Design design;
    start(design);
    enter(design, {{Field::txtarea, "100"},
                   {Field::txtrain, "0.02"},
                   {Field::txtsinf, "0.00001"},
                   {Field::txtdepth, "1.5"},
                   {Field::txtlength, "10"}});
    ASSERT_TRUE(design.record().flags.solveWidth);
    for (char key : std::string_view("0.5")) design.type(Field::lblwid, key);
    EXPECT_EQ(design.record().text(Field::lblwid), "0.5");
    EXPECT_EQ(design.record().text(Field::txtlength), "7.07");
}

// The rate is typed as the program writes it. While its exponent is on its way the design
// waits, without a message; the transient "1" (1 m/s) leaves nothing behind.
TEST(Typing, AnExponentIsTypedWithoutAMessageAndWithoutPoisoningTheDesign) {
    Design typed, written;
    for (Design* d : {&typed, &written}) {
        start(*d);
        enterSite(*d);
        d->write(Field::txtlength, "10");
        d->write(Field::txtsinf, "");
    }
    written.write(Field::txtsinf, "1E-5");
    for (char key : std::string_view("1e-")) ASSERT_TRUE(typed.type(Field::txtsinf, key));
    EXPECT_EQ(typed.record().text(Field::txtsinf), "1E-");
    EXPECT_TRUE(typed.record().notice(Notice::lbltrenchnotice).visible);  // from the "1"
    ASSERT_TRUE(typed.type(Field::txtsinf, '5'));
    for (Field f : kAllFields)
        EXPECT_EQ(typed.record().text(f), written.record().text(f)) << nameOf(f);
    EXPECT_FALSE(typed.record().notice(Notice::lbltrenchnotice).visible);
}

TEST(Typing, ARefusedKeyChangesNothingAndTheStatusBarSaysWhy) {
    Design design;
    start(design);
    design.type(Field::txtarea, '1');
    EXPECT_FALSE(design.type(Field::txtarea, ','));
    EXPECT_EQ(design.record().text(Field::txtarea), "1");
    EXPECT_EQ(design.record().status.tips, "Use a point for decimals.");
    design.type(Field::txtarea, '5');
    EXPECT_EQ(design.record().status.tips, " ");  // the next change blanks the tip panel
}

TEST(Typing, APasteThatLeavesNoNumberIsRefusedWhole) {
    Design design;
    start(design);
    design.write(Field::txtarea, "100");
    EXPECT_FALSE(design.editText(Field::txtarea, "100abc"));
    EXPECT_EQ(design.record().text(Field::txtarea), "100");
    EXPECT_EQ(design.record().status.tips,
              "This field takes a number: digits and one decimal point.");
    EXPECT_TRUE(design.editText(Field::txtsinf, " 2.5e-6 "));
    EXPECT_EQ(design.record().text(Field::txtsinf), "2.5E-6");
    // A deletion may leave a number on its way, but not a text no typing could finish.
    design.write(Field::txtsinf, "1E-5");
    EXPECT_TRUE(design.editText(Field::txtsinf, "1E-"));
    design.write(Field::txtsinf, "1E-5");
    EXPECT_FALSE(design.editText(Field::txtsinf, "1-5"));
    EXPECT_EQ(design.record().text(Field::txtsinf), "1E-5");
}

}  // namespace
}  // namespace varnholt

// Guards the trench sizing: the closed formulas, and above all the order in which a change
// writes its results back. The write-back chain is what makes a typed length end as 10.01
// rather than 10; any change to when requests are cleared or handlers run shows up here.
#include <gtest/gtest.h>

#include "engine/design.h"
#include "engine/errors.h"
#include "engine/trench_formulas.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::enterWorkedInputs;
using testing::start;

// V = 2 m3, f.t = 0.036 m: 100 m2 x 0.02 m, 0.00001 m/s for an hour, void ratio 0.3.
TrenchLoad workedLoad(bool base) {
    return {100, 0.02, 1, 60, 0.00001, 0.3, base};
}

TEST(TrenchFormulas, SolveTheDesignBalance) {
    enum class Solve { width, length };
    struct Case {
        Solve solve;
        bool base;
        double known, depth;  // the length when solving the width, and the other way round
        double expected;
    };
    for (const Case& c :
         {Case{Solve::width, false, 10, 1, 0.540184}, Case{Solve::width, false, 10, 1.5, 0.320597},
          Case{Solve::width, true, 10, 1, 0.482921}, Case{Solve::length, false, 0.5, 1.5, 7.071685},
          Case{Solve::length, true, 0.5, 1.5, 6.643098}}) {
        const double got = c.solve == Solve::width
                               ? solveTrenchWidth(workedLoad(c.base), c.known, c.depth)
                               : solveTrenchLength(workedLoad(c.base), c.known, c.depth);
        EXPECT_NEAR(got, c.expected, 1e-6);
    }
    EXPECT_NEAR(trenchHalfEmptyHours(workedLoad(false), 10, 0.540184453227931, 1), 2.135417, 1e-6);
}

class TrenchChain : public ::testing::Test {
protected:
    void SetUp() override {
        start(design);
        enterWorkedInputs(design);
    }
    const std::string& text(Field f) const { return design.record().text(f); }
    const DesignRecord& record() const { return design.record(); }

    Design design;
};

TEST_F(TrenchChain, TypedLengthIsRewrittenToMatchTheShownWidth) {
    enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}});
    EXPECT_FALSE(record().flags.trenchdrawable);  // no length yet
    design.write(Field::txtlength, "10");

    EXPECT_EQ(text(Field::txtlength), "10.01");
    EXPECT_EQ(text(Field::lblwid), "0.32");
    EXPECT_EQ(text(Field::lbltime), "1.29");
    EXPECT_TRUE(record().flags.trenchdrawable);
    EXPECT_FALSE(record().flags.solveWidth);
    EXPECT_FALSE(record().flags.solveLength);
    EXPECT_NEAR(record().trench.length, 10.0137, 1e-4);
    EXPECT_DOUBLE_EQ(record().trench.width, 0.32);
}

TEST_F(TrenchChain, ATypedLengthWithinTheLimitShowsBlue) {
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    EXPECT_EQ(text(Field::lblwid), "0.54");
    EXPECT_EQ(text(Field::txtlength), "10.00");  // re-solved from the shown width
    EXPECT_EQ(text(Field::lbltime), "2.13");
    EXPECT_EQ(record().style(Field::lbltime), kNormalStyle);
    EXPECT_FALSE(record().notice(Notice::trenchwarning).visible);
    EXPECT_EQ(record().outlinecolour, colours::black);
}

TEST_F(TrenchChain, PendingRequestWaitsForTheWidth) {
    enter(design, {{Field::txtdepth, "1.5"}, {Field::txtlength, "10"}});
    EXPECT_FALSE(record().flags.trenchdrawable);
    EXPECT_TRUE(text(Field::lbltime).empty());
    EXPECT_TRUE(record().flags.solveWidth);
    // Typing the width asks for the length; the width request still pending is honoured first.
    design.write(Field::lblwid, "0.5");
    EXPECT_EQ(text(Field::lblwid), "0.32");
    EXPECT_EQ(text(Field::txtlength), "10.01");
}

TEST_F(TrenchChain, BaseOptionTakesPartInTheNextPass) {
    enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
    design.setCheck(Check::chkbase, true);
    EXPECT_FALSE(record().notice(Notice::lblbaseincluded).visible);  // ticking starts nothing
    design.write(Field::lblwid, "0.5");
    EXPECT_EQ(text(Field::txtlength), "6.64");
    EXPECT_EQ(text(Field::lblwid), "0.50");
    EXPECT_TRUE(record().notice(Notice::lblbaseincluded).visible);
}

TEST_F(TrenchChain, LimitCheckUsesTheFullPrecisionTime) {
    design.record().trench.halfEmptyTime = 24.004;
    design.write(Field::lbltime, "24.00");
    EXPECT_TRUE(record().notice(Notice::trenchwarning).visible);
    EXPECT_EQ(record().outlinecolour, colours::red);
    EXPECT_EQ(record().style(Field::lbltime), kWarningStyle);

    design.record().trench.halfEmptyTime = 24;
    design.write(Field::lbltime, "24");
    EXPECT_FALSE(record().notice(Notice::trenchwarning).visible);
    EXPECT_EQ(record().outlinecolour, colours::black);
    EXPECT_EQ(record().style(Field::lbltime), kNormalStyle);
}

TEST_F(TrenchChain, NewLimitAloneWaitsForTheNextChangeOfTheTime) {
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    ASSERT_EQ(text(Field::lbltime), "2.13");
    design.write(Field::txthalfempty, "2");  // the options dialog's field starts nothing
    design.refreshView();
    // The time text did not change, so the colours stay; showing the trench raises the warning.
    EXPECT_EQ(record().style(Field::lbltime), kNormalStyle);
    EXPECT_EQ(record().outlinecolour, colours::black);
    EXPECT_TRUE(record().notice(Notice::trenchwarning).visible);
}

// A solve that gives no buildable size writes nothing: the fields keep the last trench that
// could be built, marked, and the notice says why; the next solve starts from good texts.
TEST_F(TrenchChain, ASizeThatCannotBeBuiltIsNotWrittenAndTheNoticeSaysWhy) {
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    ASSERT_TRUE(design.scene().node(SceneNodeId::GLDummyTrench).visible);
    design.write(Field::txtoverflow, "100");
    design.activate();
    EXPECT_EQ(text(Field::lblwid), "0.54");
    EXPECT_EQ(text(Field::txtlength), "10.00");
    EXPECT_EQ(text(Field::lbltime), "2.13");
    for (Field f : {Field::lblwid, Field::lbltime}) EXPECT_EQ(record().style(f), kWarningStyle);
    EXPECT_EQ(record().style(Field::txtlength), kNormalStyle);
    const NoticeState& notice = record().notice(Notice::lbltrenchnotice);
    EXPECT_TRUE(notice.visible);
    EXPECT_EQ(notice.text,
              "No water reaches the soakaway: the overflow takes all the runoff. Lower the "
              "overflow percentage in the design options.");
    EXPECT_FALSE(record().flags.trenchdrawable);
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLDummyTrench).visible);
    design.refreshView();  // nothing solved, nothing mended
    EXPECT_TRUE(record().notice(Notice::lbltrenchnotice).visible);

    // A fast soil: a 10 m trench takes the storm through its sides alone.
    design.write(Field::txtoverflow, "0");
    design.write(Field::txtsinf, "0.0001");
    design.write(Field::txtlength, "");
    design.type(Field::txtlength, '1');
    ASSERT_EQ(text(Field::lblwid), "2.48");
    design.type(Field::txtlength, '0');
    EXPECT_EQ(text(Field::txtlength), "10");
    EXPECT_EQ(text(Field::lblwid), "2.48");
    EXPECT_EQ(record().notice(Notice::lbltrenchnotice).text,
              "No storage is needed: the soil takes this storm through the trench's sides at "
              "this length. Shorten the trench or check the inputs.");

    // Back to a soil that needs storage: the first solve mends everything, colours included.
    design.write(Field::txtsinf, "0.00001");  // the length is solved for the width shown
    EXPECT_FALSE(record().notice(Notice::lbltrenchnotice).visible);
    EXPECT_EQ(text(Field::lblwid), "2.48");
    EXPECT_EQ(text(Field::txtlength), "2.44");
    for (Field f : {Field::lblwid, Field::lbltime}) EXPECT_EQ(record().style(f), kNormalStyle);
    EXPECT_TRUE(design.scene().node(SceneNodeId::GLDummyTrench).visible);
}

TEST_F(TrenchChain, SpinStepsAndTheirFloor) {
    struct Step {
        const char* from;
        bool up;
        const char* to;
    };
    for (const Step& s : {Step{"0.2", false, "0.1"},
                          {"0.1", false, "0.15"},
                          {"", true, "0.15"},
                          {"", false, "0.15"},
                          {"0.15", false, "0.15"},
                          {"0.25", true, "0.35"},
                          {"2", true, "2.1"}}) {
        design.record().place(Field::txtlength, s.from);
        s.up ? design.stepUp(Field::txtlength) : design.stepDown(Field::txtlength);
        EXPECT_EQ(text(Field::txtlength), s.to) << s.from << (s.up ? " up" : " down");
    }
}

TEST_F(TrenchChain, MinusInAPastedInfiltrationRateEmptiesIt) {
    design.write(Field::txtsinf, "1-5");
    EXPECT_EQ(text(Field::txtsinf), "");
    design.write(Field::txtsinf, "1.5E-5");
    EXPECT_EQ(text(Field::txtsinf), "1.5E-5");
    EXPECT_DOUBLE_EQ(record().sizing.designInfiltrationRate, 0);  // no sizing has run yet
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    EXPECT_DOUBLE_EQ(record().sizing.designInfiltrationRate, 0.000015);
}

TEST_F(TrenchChain, ALonePointStopsTheActionAndKeepsWhatWasWritten) {
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    design.write(Field::txtlength, "");
    EXPECT_THROW(design.type(Field::txtlength, '.'), ConversionError);
    EXPECT_EQ(text(Field::txtlength), ".");
    EXPECT_TRUE(record().flags.solveWidth);  // set before the readiness test failed
    // Typing on makes it a number again: the typed length stands and the width follows.
    design.type(Field::txtlength, '5');
    EXPECT_EQ(text(Field::lblwid), "10.65");
    EXPECT_EQ(text(Field::txtlength), ".5");
}

TEST_F(TrenchChain, ProjectChangedAndTipBlankedByEveryInput) {
    design.record().flags.ProjectModified = false;
    design.record().status.tips = "Project Saved.";
    design.type(Field::projtit, 'A');
    EXPECT_TRUE(record().flags.ProjectModified);
    EXPECT_EQ(record().status.tips, " ");
    EXPECT_FALSE(design.type(Field::lbltime, '1'));
}

}  // namespace
}  // namespace varnholt

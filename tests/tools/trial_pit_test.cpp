// Guards the infiltration rate worked from a trial pit: the formula on the worked pits, the
// text the rate is written as (its mantissa cut, not rounded), the boxes Calculate refuses, and
// that nothing but a positive, finite rate ever reaches the design.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "started_design.h"
#include "tools/trial_pit_logic.h"

namespace varnholt {
namespace {

class Messages : public MessageSink {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class TrialPit : public ::testing::Test {
protected:
    void SetUp() override {
        testing::start(design);
        design.write(Field::txtsinf, "0.00001");
    }
    const std::string& sinf() { return design.record().text(Field::txtsinf); }
    // Calculate with these boxes; records whether the dialog was closed and what txtsinf held
    // at that moment.
    bool calculate(TrialPitBoxes boxes) {
        dialog.boxes = std::move(boxes);
        closed = false;
        return dialog.calculate(messages, [&] {
            closed = true;
            sinfWhenClosed = sinf();
        });
    }

    Design design;
    TrialPitLogic dialog{design};
    Messages messages;
    bool closed = false;
    std::string sinfWhenClosed;
};

TEST(TrialPitRate, WorkedPits) {
    struct Case {
        double length, width, depth, minutes;
        double seconds, volume, area, rate;
        const char* written;
    };
    for (const Case& c :
         {Case{2, 1, 1, 100, 6000, 1, 5, 1.0 / 30000, "3.33E-5"},
          Case{1, 1, 1, 1000, 60000, 0.5, 3, 0.5 / 180000, "2.77E-6"},
          Case{2.4, 0.6, 1.2, 45, 2700, 0.864, 5.04, 0.864 / (5.04 * 2700), "6.34E-5"}}) {
        SCOPED_TRACE(c.written);
        const TrialPitRate r = trialPitRate(c.length, c.width, c.depth, c.minutes);
        EXPECT_DOUBLE_EQ(r.seconds, c.seconds);
        EXPECT_DOUBLE_EQ(r.volume, c.volume);
        EXPECT_DOUBLE_EQ(r.area, c.area);
        EXPECT_DOUBLE_EQ(r.rate, c.rate);
        EXPECT_EQ(infiltrationRateText(r.rate), c.written);
    }
}

TEST(TrialPitRate, WrittenInGeneralFormWithTheMantissaCutAfterTwoDecimals) {
    struct Case {
        double rate;
        const char* written;
    };
    for (const Case& c :
         {Case{1.0 / 30000, "3.33E-5"},          // 3.33333333333333E-5
          Case{2.77777777777778e-6, "2.77E-6"},  // cut, not rounded
          Case{3.99999e-5, "3.99E-5"}, Case{9.99999999999999e-5, "9.99E-5"},
          Case{1.23456789e-9, "1.23E-9"},
          Case{0.000025, "2.5E-5"},  // fewer than three decimals: unchanged
          Case{0.00001, "1E-5"}, Case{0.000123, "0.000123"},  // from 0.0001 up: plain, never cut
          Case{0.0001, "0.0001"}, Case{0.000123456789, "0.000123456789"}, Case{0.5, "0.5"}}) {
        EXPECT_EQ(infiltrationRateText(c.rate), c.written) << c.rate;
    }
}

TEST_F(TrialPit, CalculateClosesThenWritesTheRate) {
    struct Case {
        TrialPitBoxes boxes;
        const char* written;
    };
    for (const Case& c :
         {Case{{"2", "1", "1", "100"}, "3.33E-5"}, Case{{"1", "1", "1", "1000"}, "2.77E-6"},
          Case{{" 2.0", "1.", ".5e1", "+100"}, "4.90E-5"}}) {
        SCOPED_TRACE(c.written);
        EXPECT_TRUE(calculate(c.boxes));
        EXPECT_TRUE(closed);
        EXPECT_EQ(sinfWhenClosed, "0.00001") << "written before the dialog closed";
        EXPECT_EQ(sinf(), c.written);
        EXPECT_TRUE(messages.texts.empty());
        design.write(Field::txtsinf, "0.00001");
    }
}

TEST_F(TrialPit, EmptyBoxesAndABareZeroAreRefusedWithTheMessage) {
    const TrialPitBoxes good{"2", "1", "1", "100"};
    std::vector<TrialPitBoxes> refused = {{"", "", "", ""}};
    for (std::string TrialPitBoxes::*box : {&TrialPitBoxes::length, &TrialPitBoxes::width,
                                            &TrialPitBoxes::depth, &TrialPitBoxes::time}) {
        for (const char* bad : {"", "0"}) {
            TrialPitBoxes b = good;
            b.*box = bad;
            refused.push_back(b);
        }
    }
    // Checked before anything is read: a later box that is not a number is never reached.
    refused.push_back({"0", "abc", "1", "100"});
    refused.push_back({"abc", "1", "1", ""});
    for (const TrialPitBoxes& b : refused) {
        SCOPED_TRACE(b.length + "," + b.width + "," + b.depth + "," + b.time);
        messages.texts.clear();
        EXPECT_FALSE(calculate(b));
        EXPECT_EQ(messages.texts,
                  std::vector<std::string>{"You must enter valid numbers in each box."});
        EXPECT_FALSE(closed);
        EXPECT_EQ(sinf(), "0.00001");
    }
}

// Texts that pass the check yet give no rate: the standard failure message, nothing written,
// the dialog left open. An infinite or zero rate in txtsinf would size a soakaway that is
// nothing like the pit's soil.
TEST_F(TrialPit, ValuesGivingNoPositiveFiniteRateAreReportedAndNothingIsWritten) {
    const std::string noRate = NoInfiltrationRateError().what();
    struct Case {
        TrialPitBoxes boxes;
        std::string message;
    };
    for (const Case& c : {
             Case{{"abc", "1", "1", "100"}, "'abc' is not a valid floating point value"},
             Case{{"2", "1,5", "1", "100"}, "'1,5' is not a valid floating point value"},
             Case{{"2", "x", "1", "y"}, "'x' is not a valid floating point value"},
             Case{{"2", "1", "1", "."}, "'.' is not a valid floating point value"},
             Case{{"2", "1", "1", "0.0"}, noRate},   // a division by zero
             Case{{"2", "1", "00", "100"}, noRate},  // no volume: a rate of 0
             Case{{"0.0", "0.0", "1", "100"}, noRate},
             Case{{"-2", "1", "1", "100"}, noRate},  // multiplies out to a plausible rate
             Case{{"2", "1", "1", "-100"}, noRate}, Case{{"INF", "1", "1", "100"}, noRate},
             Case{{"2", "1", "1", "NAN"}, noRate},
             Case{{"1e200", "1e200", "1", "100"}, noRate},  // overflows to INF/INF
             Case{{"1", "1", "1", "1e308"}, noRate},        // underflows to 0
         }) {
        SCOPED_TRACE(c.boxes.length + "," + c.boxes.width + "," + c.boxes.depth + "," +
                     c.boxes.time);
        dialog.boxes = c.boxes;
        closed = false;
        try {
            dialog.calculate(messages, [&] { closed = true; });
            ADD_FAILURE() << "calculated";
        } catch (const ActionStopped& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_FALSE(closed);
        EXPECT_TRUE(messages.texts.empty());
        EXPECT_EQ(sinf(), "0.00001");
    }
}

// The written rate is a change of txtsinf like any other: the trench is sized again under it,
// exactly as if the designer had typed the same text.
TEST_F(TrialPit, TheWrittenRateResizesTheTrench) {
    testing::enterWorkedInputs(design);
    testing::enter(design,
                   {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
    ASSERT_EQ(design.record().text(Field::lblwid), "0.32");

    Design typed;
    testing::start(typed);
    testing::enterWorkedInputs(typed);
    testing::enter(typed,
                   {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
    typed.write(Field::txtsinf, "3.33E-5");

    ASSERT_TRUE(calculate({"2", "1", "1", "100"}));
    for (Field f : {Field::txtsinf, Field::txtlength, Field::lblwid, Field::lbltime})
        EXPECT_EQ(design.record().text(f), typed.record().text(f)) << nameOf(f);
    EXPECT_NE(design.record().text(Field::txtlength), "10.01") << "a new rate solves the length";
    EXPECT_TRUE(design.record().flags.ProjectModified);
}

}  // namespace
}  // namespace varnholt

// Guards the runoff coefficient dialog: its spin button, the coefficients OK refuses, and the
// close handling that widens the trench and re-solves its length under the new coefficient.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/errors.h"
#include "started_design.h"
#include "tools/runoff_dialog_logic.h"

namespace varnholt {
namespace {

using testing::enter;

// Records each message with the coefficient the dialog showed beside it.
class RecordedMessages : public MessageSink {
public:
    explicit RecordedMessages(const DesignRecord& record) : record_(record) {}
    void inform(const std::string& text) override {
        texts.push_back(text);
        shownBeside.push_back(record_.text(Field::txtVRC));
    }
    std::vector<std::string> texts, shownBeside;

private:
    const DesignRecord& record_;
};

class RunoffDialog : public ::testing::Test {
protected:
    void SetUp() override { testing::start(design); }
    DesignRecord& record() { return design.record(); }
    const std::string& text(Field f) { return design.record().text(f); }
    // The dialog's OK, and when it closes the main window becoming active again.
    bool pressOk() {
        if (!dialog.ok(messages)) return false;
        dialog.closed();
        design.activate();
        return true;
    }

    Design design;
    RunoffDialogLogic dialog{design};
    RecordedMessages messages{design.record()};
};

TEST_F(RunoffDialog, SpinStepsByATenthWithinItsBounds) {
    enum class Spin { up, down };
    struct Case {
        Spin spin;
        std::string from, expected;
    };
    using enum Spin;
    for (const Case& c :
         {Case{up, "", "0.1"}, Case{up, "0.5", "0.6"}, Case{up, "0.7", "0.8"}, Case{up, "0.9", "1"},
          Case{up, "0.95", "1"}, Case{up, "1.00", "1"}, Case{down, "", "0.1"},
          Case{down, "1.00", "0.9"}, Case{down, "0.3", "0.2"}, Case{down, "0.15", "0.05"},
          Case{down, "0.1", "0.1"}, Case{down, "0.05", "0.1"}}) {
        record().place(Field::txtVRC, c.from);
        c.spin == up ? dialog.spinUp() : dialog.spinDown();
        EXPECT_EQ(text(Field::txtVRC), c.expected)
            << (c.spin == up ? "up from '" : "down from '") << c.from << "'";
    }
}

TEST_F(RunoffDialog, SpinningUpNeverReachesMoreThanOne) {
    record().place(Field::txtVRC, "0.75");
    for (int i = 0; i < 8; ++i) dialog.spinUp();
    EXPECT_EQ(text(Field::txtVRC), "1");
}

TEST_F(RunoffDialog, OkAcceptsOnlyACoefficientAboveZeroAndUpToOne) {
    struct Case {
        std::string coefficient;
        bool closes;
        std::string after;
    };
    for (const Case& c :
         {Case{"0.75", true, "0.75"}, Case{"1", true, "1"}, Case{"1.00", true, "1.00"},
          Case{"0.01", true, "0.01"}, Case{"1.01", false, "1.00"}, Case{"1.5", false, "1.00"},
          Case{"0", false, "1.00"}, Case{"0.0", false, "1.00"}, Case{"-0.5", false, "1.00"}}) {
        messages.texts.clear();
        messages.shownBeside.clear();
        record().place(Field::txtVRC, c.coefficient);
        EXPECT_EQ(dialog.ok(messages), c.closes) << c.coefficient;
        EXPECT_EQ(text(Field::txtVRC), c.after);
        if (c.closes) {
            EXPECT_TRUE(messages.texts.empty()) << c.coefficient;
        } else {
            EXPECT_EQ(messages.texts, std::vector<std::string>{"Incorrect runoff coefficient."});
            EXPECT_EQ(messages.shownBeside, std::vector<std::string>{c.coefficient});
        }
    }
}

TEST_F(RunoffDialog, AnEmptyCoefficientKeepsTheDialogOpenSilently) {
    record().place(Field::txtVRC, "");
    EXPECT_FALSE(dialog.ok(messages));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(text(Field::txtVRC), "");
}

TEST_F(RunoffDialog, ALonePointFailsAndStays) {
    record().place(Field::txtVRC, ".");
    EXPECT_THROW(dialog.ok(messages), ConversionError);
    EXPECT_THROW(dialog.spinUp(), ConversionError);
    EXPECT_THROW(dialog.spinDown(), ConversionError);
    EXPECT_EQ(text(Field::txtVRC), ".");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(RunoffDialog, EachCloseWidensTheTrenchAndSolvesTheLengthUnderTheCoefficient) {
    testing::enterWorkedInputs(design);
    enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
    ASSERT_EQ(text(Field::txtlength), "10.01");
    ASSERT_EQ(text(Field::lblwid), "0.32");

    struct Case {
        std::string coefficient, width, length;
    };
    for (const Case& c : {Case{"1.00", "0.33", "9.78"}, Case{"0.9", "0.34", "8.60"}}) {
        record().place(Field::txtVRC, c.coefficient);
        ASSERT_TRUE(dialog.ok(messages));
        dialog.closed();
        // The width change alone already solves the length; activation settles on the same.
        EXPECT_EQ(text(Field::lblwid), c.width) << c.coefficient;
        EXPECT_EQ(text(Field::txtlength), c.length) << c.coefficient;
        design.activate();
        EXPECT_EQ(text(Field::lblwid), c.width) << c.coefficient;
        EXPECT_EQ(text(Field::txtlength), c.length) << c.coefficient;
        EXPECT_TRUE(record().flags.trenchdrawable);
    }
}

TEST_F(RunoffDialog, WithoutATrenchWidthClosingOnlyRunsThePass) {
    testing::enterWorkedInputs(design);
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    enter(design, {{Field::lblwid, ""}});
    record().flags.ProjectModified = false;
    record().place(Field::txtoverflow, "5");  // starts nothing until a pass reads it

    dialog.closed();
    EXPECT_EQ(text(Field::lblwid), "");
    EXPECT_FALSE(record().flags.ProjectModified);
    EXPECT_TRUE(record().notice(Notice::lblfiltwarning).visible);
}

TEST_F(RunoffDialog, ARefusedCoefficientChangesNoDimension) {
    testing::enterWorkedInputs(design);
    enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
    record().place(Field::txtVRC, "1.01");
    EXPECT_FALSE(pressOk());
    EXPECT_EQ(text(Field::lblwid), "0.32");
    EXPECT_EQ(text(Field::txtlength), "10.01");
    // Accepted the second time with the coefficient put back.
    EXPECT_TRUE(pressOk());
    EXPECT_EQ(text(Field::lblwid), "0.33");
}

}  // namespace
}  // namespace varnholt

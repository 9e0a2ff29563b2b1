// Guards one visit of the options dialog: what its show takes, the switches and their
// pictures, Restore Defaults, and how OK, Cancel and the close box each end the visit.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/errors.h"
#include "started_design.h"
#include "tools/options_dialog_logic.h"

namespace varnholt {
namespace {

using testing::enter;

class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override { testing::start(design); }
    DesignRecord& record() { return design.record(); }
    const std::string& text(Field f) { return design.record().text(f); }
    void type(Field f, const std::string& typed) {
        record().place(f, typed);
        dialog.fieldLeft(f);
    }
    // The worked trench: 10.01 m long, 0.32 m wide, 1.5 m deep, half empty in 1.29 h.
    void sizeTheWorkedTrench() {
        testing::enterWorkedInputs(design);
        enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
        ASSERT_EQ(text(Field::txtlength), "10.01");
        ASSERT_EQ(text(Field::lblwid), "0.32");
    }

    Design design;
    OptionsDialogLogic dialog{design};
};

TEST_F(OptionsDialog, ShowRefreshesTheGuidanceAndTheMarginFollowsTheSurroundSwitch) {
    record().place(Field::txtFOS, "8");
    record().setChecked(Check::chkringsur, true);
    dialog.shown();
    EXPECT_EQ(record().fosGuidance.colour, colours::red);
    EXPECT_TRUE(dialog.marginEnabled());

    dialog.setSwitch(Check::chkringsur, false);
    EXPECT_FALSE(dialog.marginEnabled());
    dialog.pictureClicked(Check::chkringsur);
    EXPECT_TRUE(record().checked(Check::chkringsur));
    EXPECT_TRUE(dialog.marginEnabled());
    dialog.pictureClicked(Check::chkringsur);
    EXPECT_FALSE(record().checked(Check::chkringsur));
}

TEST_F(OptionsDialog, SwitchesTakePartOnlyInTheNextPass) {
    sizeTheWorkedTrench();
    dialog.shown();
    dialog.pictureClicked(Check::chkbase);
    EXPECT_TRUE(record().checked(Check::chkbase));
    EXPECT_FALSE(record().notice(Notice::lblbaseincluded).visible);
    EXPECT_EQ(text(Field::txtlength), "10.01");
    dialog.closed();
    EXPECT_TRUE(record().notice(Notice::lblbaseincluded).visible);
}

TEST_F(OptionsDialog, RestoreDefaultsLeavesSwitchesMarginAndGuidance) {
    enter(design, {{Field::txtFOS, "8"},
                   {Field::txtVR, "0.5"},
                   {Field::txtringfail, "6"},
                   {Field::txtoverflow, "20"},
                   {Field::txthalfempty, "48"},
                   {Field::txtringmargin, "0.7"}});
    record().setChecked(Check::chkringsur, true);
    record().setChecked(Check::chkringbase, true);
    dialog.shown();
    dialog.restoreDefaults();

    for (auto [field, expected] : {std::pair{Field::txtFOS, "1"},
                                   {Field::txtVR, "0.3"},
                                   {Field::txtringfail, "4"},
                                   {Field::txtoverflow, "0"},
                                   {Field::txthalfempty, "24"},
                                   {Field::txtringmargin, "0.7"}})
        EXPECT_EQ(text(field), expected) << nameOf(field);
    EXPECT_TRUE(record().checked(Check::chkringsur));
    EXPECT_TRUE(record().checked(Check::chkringbase));
    EXPECT_FALSE(record().checked(Check::chkbase));
    // The red guidance stays beside 1 until the factor is stepped or typed.
    EXPECT_EQ(record().fosGuidance.colour, colours::red);
    dialog.spinUp(Field::txtFOS);
    EXPECT_EQ(record().fosGuidance.colour, colours::black);
}

// One visit that edits every kind of option, ended in each of two ways (the window's Escape
// and close box are Cancel). OK solves the width under the new options; Cancel puts the
// options of the show back.
TEST(OptionsDialogVisit, OkCommitsAndCancelRestores) {
    enum class End { ok, cancel };
    struct Case {
        End end;
        std::string vr, fos, overflow;
        bool base, surround;
        std::string length, width, time;
        std::string voidPanel, fosPanel;
        bool appliedSurround;
        double appliedMargin;
        bool modified;  // only through the width the pass writes back
    };
    for (const Case& c : {
             Case{End::ok, "0.4", "3", "10", true, true, "10.13", "0.26", "3.61",
                  "Void Ratio = 0.4", "Factor of Safety = 3", true, 0.5, true},
             Case{End::cancel, "0.3", "1", "0", false, false, "10.01", "0.32", "1.29",
                  "Void Ratio = 0.3", "Factor of Safety = 1", false, 0, false},
         }) {
        SCOPED_TRACE(static_cast<int>(c.end));
        Design design;
        testing::start(design);
        testing::enterWorkedInputs(design);
        enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
        DesignRecord& record = design.record();
        record.flags.ProjectModified = false;
        OptionsDialogLogic dialog(design);

        dialog.shown();
        for (auto [field, typed] : {std::pair{Field::txtVR, "0.4"},
                                    {Field::txtFOS, "3"},
                                    {Field::txtoverflow, "10"},
                                    {Field::txtringmargin, "0.5"}}) {
            record.place(field, typed);
            dialog.fieldLeft(field);
        }
        dialog.setSwitch(Check::chkbase, true);
        dialog.pictureClicked(Check::chkringsur);
        switch (c.end) {
            case End::ok:
                dialog.ok();
                break;
            case End::cancel:
                dialog.cancel();
                break;
        }

        EXPECT_EQ(record.text(Field::txtVR), c.vr);
        EXPECT_EQ(record.text(Field::txtFOS), c.fos);
        EXPECT_EQ(record.text(Field::txtoverflow), c.overflow);
        EXPECT_EQ(record.text(Field::txtringmargin), "0.5");  // Cancel does not restore it
        EXPECT_EQ(record.checked(Check::chkbase), c.base);
        EXPECT_EQ(record.checked(Check::chkringsur), c.surround);
        EXPECT_EQ(record.notice(Notice::lblbaseincluded).visible, c.base);
        EXPECT_EQ(record.notice(Notice::lblfiltwarning).visible, c.overflow != "0");
        EXPECT_EQ(record.text(Field::txtlength), c.length);
        EXPECT_EQ(record.text(Field::lblwid), c.width);
        EXPECT_EQ(record.text(Field::lbltime), c.time);
        EXPECT_EQ(record.status.voidRatio, c.voidPanel);
        EXPECT_EQ(record.status.factorOfSafety, c.fosPanel);
        EXPECT_EQ(record.appliedRingSurround, c.appliedSurround);
        EXPECT_DOUBLE_EQ(record.appliedRingMargin, c.appliedMargin);
        EXPECT_FALSE(record.flags.solveWidth);
        EXPECT_EQ(record.flags.ProjectModified, c.modified);
    }
}

// The fill takes part in the visit as the switches do: OK sizes the crate tank, Cancel puts
// the gravel and the unit back as they were.
TEST_F(OptionsDialog, TheTrenchFillIsCommittedByOkAndPutBackByCancel) {
    sizeTheWorkedTrench();
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        dialog.shown();
        dialog.setFill(TrenchFill::crates);
        EXPECT_TRUE(dialog.crateFieldsEnabled());
        type(Field::txtcratelength, "2");
        if (ok) {
            dialog.ok();
            EXPECT_EQ(text(Field::txtfill), "crates");
            EXPECT_EQ(text(Field::txtcratelength), "2");
            // 1.5 m of depth is four layers of 0.4 m; the length is in whole 2 m units.
            EXPECT_EQ(text(Field::txtdepth), "1.6");
            EXPECT_DOUBLE_EQ(std::fmod(record().trench.length, 2), 0);
        } else {
            dialog.cancel();
            EXPECT_EQ(text(Field::txtfill), "gravel");
            EXPECT_EQ(text(Field::txtcratelength), "1.0");
            EXPECT_EQ(text(Field::txtlength), "10.01");
            EXPECT_FALSE(dialog.crateFieldsEnabled());
        }
    }
}

TEST_F(OptionsDialog, CancelKeepsTheTypedMarginButNotAsTheMarginInUse) {
    record().setChecked(Check::chkringsur, true);
    record().place(Field::txtringmargin, "0.2");
    dialog.shown();
    dialog.ok();
    ASSERT_DOUBLE_EQ(record().appliedRingMargin, 0.2);

    dialog.shown();
    type(Field::txtringmargin, "0.5");
    type(Field::txtringfail, "6");
    dialog.setSwitch(Check::chkringsur, false);
    dialog.cancel();
    EXPECT_EQ(text(Field::txtringmargin), "0.5");
    EXPECT_EQ(text(Field::txtringfail), "4");
    EXPECT_TRUE(record().checked(Check::chkringsur));
    EXPECT_TRUE(record().appliedRingSurround);
    EXPECT_DOUBLE_EQ(record().appliedRingMargin, 0.2);
}

TEST_F(OptionsDialog, OkWithTheSurroundOffAppliesNoMargin) {
    record().place(Field::txtringmargin, "0.6");
    dialog.shown();
    dialog.ok();
    EXPECT_FALSE(record().appliedRingSurround);
    EXPECT_DOUBLE_EQ(record().appliedRingMargin, 0);
}

TEST_F(OptionsDialog, CancelWritesTheSnapshotInPlainForm) {
    enter(design, {{Field::txtFOS, "2.50"}, {Field::txtVR, ".3"}, {Field::txthalfempty, "24.0"}});
    dialog.shown();
    dialog.cancel();
    EXPECT_EQ(text(Field::txtFOS), "2.5");
    EXPECT_EQ(text(Field::txtVR), "0.3");
    EXPECT_EQ(text(Field::txthalfempty), "24");
    EXPECT_EQ(record().status.voidRatio, "Void Ratio = 0.3");
    EXPECT_EQ(record().status.factorOfSafety, "Factor of Safety = 2.5");
}

TEST_F(OptionsDialog, RingTableTakesATypedMarginOnlyFromOk) {
    enter(design,
          {{Field::txtarea, "100"}, {Field::txtrain, "0.015"}, {Field::txtsinf, "0.00001"}});
    design.switchPage(DetailPage::tsring);
    dialog.shown();
    dialog.setSwitch(Check::chkringsur, true);
    dialog.ok();
    const std::string withoutMargin = record().ring.cells[1][1];

    dialog.shown();
    type(Field::txtringmargin, "0.5");
    dialog.closed();
    design.activate();
    EXPECT_EQ(record().ring.cells[1][1], withoutMargin);

    dialog.shown();
    dialog.ok();
    EXPECT_NE(record().ring.cells[1][1], withoutMargin);
}

TEST_F(OptionsDialog, OkStopsAtAConversionFailureBeforeCommitting) {
    sizeTheWorkedTrench();
    dialog.shown();
    record().setChecked(Check::chkringsur, true);
    record().place(Field::txtringmargin, "0.5");
    record().place(Field::txtarea, ".");  // pasted into the main window meanwhile
    EXPECT_THROW(dialog.ok(), ConversionError);
    EXPECT_EQ(record().status.voidRatio, "");
    EXPECT_FALSE(record().appliedRingSurround);
}

TEST_F(OptionsDialog, ShowStopsAtATextThatIsNotANumber) {
    record().place(Field::txtVR, "0.5");
    dialog.shown();
    record().place(Field::txtVR, "0.4");
    record().place(Field::txtFOS, ".");
    EXPECT_THROW(dialog.shown(), ConversionError);
    // The snapshot was not renewed: Cancel puts back the void ratio of the last good show.
    record().place(Field::txtFOS, "2");
    dialog.cancel();
    EXPECT_EQ(text(Field::txtVR), "0.5");
}

}  // namespace
}  // namespace varnholt

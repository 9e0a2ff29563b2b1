// Guards what leaving an option field leaves in it: the range each field is brought back to,
// the snapshot an emptied field takes back, and the factor-of-safety guidance that follows.
// Nothing is corrected while the user types: "0.35" typed over a selection must not become
// "0.0135" because its first "0" was raised to the minimum at once.
#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/errors.h"
#include "started_design.h"
#include "tools/options_dialog_logic.h"

namespace varnholt {
namespace {

class OptionCorrections : public ::testing::Test {
protected:
    void SetUp() override { testing::start(design); }
    // The field holds `shown` when the dialog opens; then `typed` stands there when it is left.
    const std::string& release(Field f, const std::string& shown, const std::string& typed) {
        design.record().place(f, shown);
        dialog.shown();
        design.record().place(f, typed);
        dialog.fieldLeft(f);
        return design.record().text(f);
    }

    Design design;
    OptionsDialogLogic dialog{design};
};

TEST_F(OptionCorrections, TypedValuesAreBroughtIntoRange) {
    struct Case {
        Field field;
        std::string shown, typed, expected;
    };
    for (const Case& c : {
             // An emptied field takes back what it held on show, in plain form.
             Case{Field::txtFOS, "2.50", "", "2.5"},
             Case{Field::txtFOS, "3", "15", "10"},
             Case{Field::txtFOS, "3", "10.5", "10"},
             Case{Field::txtFOS, "3", "0", "1"},
             Case{Field::txtFOS, "3", "0.99", "1"},
             Case{Field::txtFOS, "3", "10", "10"},
             Case{Field::txtFOS, "3", "1.", "1."},  // in range: the typed text stands
             Case{Field::txtVR, "0.30", "", "0.3"},
             Case{Field::txtVR, "0.3", "0", "0.01"},
             Case{Field::txtVR, "0.3", "0.009", "0.01"},
             Case{Field::txtVR, "0.3", "0.01", "0.01"},
             Case{Field::txtVR, "0.3", "1.5", "1"},
             Case{Field::txtVR, "0.3", "1.0", "1.0"},
             Case{Field::txtoverflow, "12.5", "", "12.5"},
             Case{Field::txtoverflow, "0", "0", "0"},
             Case{Field::txtoverflow, "0", "100", "100"},
             Case{Field::txtoverflow, "0", "100.5", "100"},
             Case{Field::txthalfempty, "24", "", "24"},
             Case{Field::txthalfempty, "24", "1.05", "1"},  // cut at 1.1, set to 1
             Case{Field::txthalfempty, "24", "0", "1"},
             Case{Field::txthalfempty, "24", "1.1", "1.1"},
             Case{Field::txthalfempty, "24", "101", "100"},
             Case{Field::txtringfail, "4", "", "4"},
             Case{Field::txtringfail, "4", "0.5", "1"},
             Case{Field::txtringfail, "4", "11", "10"},
             Case{Field::txtringfail, "4", "7.25", "7.25"},
             // The margin has no range and no snapshot.
             Case{Field::txtringmargin, "0.4", "", "0"},
             Case{Field::txtringmargin, "0", "250", "250"},
             // A crate unit has a size, and its emptied field takes back the text it had.
             Case{Field::txtcratelength, "1.0", "", "1.0"},
             Case{Field::txtcratelength, "1.0", "0", "0.1"},
             Case{Field::txtcratewidth, "0.5", "0.05", "0.1"},
             Case{Field::txtcrateheight, "0.4", "6", "5"},
             Case{Field::txtcrateheight, "0.4", "0.6", "0.6"},
             Case{Field::txtcratevr, "0.95", "1.2", "1"},
             Case{Field::txtcratevr, "0.95", "0", "0.01"},
         }) {
        EXPECT_EQ(release(c.field, c.shown, c.typed), c.expected)
            << nameOf(c.field) << " shown " << c.shown << ", typed '" << c.typed << "'";
    }
}

TEST_F(OptionCorrections, EmptiedFieldTakesBackTheValueOfTheLastShowNotOfTheLastTyping) {
    design.record().place(Field::txtVR, "0.3");
    dialog.shown();
    design.record().place(Field::txtVR, "0.45");
    dialog.fieldLeft(Field::txtVR);
    design.record().place(Field::txtVR, "");
    dialog.fieldLeft(Field::txtVR);
    EXPECT_EQ(design.record().text(Field::txtVR), "0.3");
}

TEST_F(OptionCorrections, FactorOfSafetyGuidanceFollowsTheCorrectedText) {
    struct Case {
        std::string shown, typed;
        Rgb colour;
        std::string guidanceStart;
    };
    for (const Case& c :
         {Case{"1", "15", colours::red, "5 - 10."}, Case{"8", "0", colours::black, "1 - 2."},
          Case{"8", "5", colours::purple, "2 - 5."}, Case{"3", "", colours::purple, "2 - 5."}}) {
        release(Field::txtFOS, c.shown, c.typed);
        const DesignRecord& r = design.record();
        EXPECT_EQ(r.fosGuidance.colour, c.colour) << c.typed;
        EXPECT_EQ(r.style(Field::txtFOS).text, c.colour) << c.typed;
        EXPECT_EQ(r.fosGuidance.text.rfind(c.guidanceStart, 0), 0u) << r.fosGuidance.text;
    }
}

TEST_F(OptionCorrections, CorrectionStartsNoRecalculation) {
    testing::enterWorkedInputs(design);
    testing::enter(design,
                   {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
    design.record().flags.ProjectModified = false;
    release(Field::txtVR, "0.3", "5");
    EXPECT_EQ(design.record().text(Field::txtVR), "1");
    EXPECT_EQ(design.record().text(Field::txtlength), "10.01");
    EXPECT_EQ(design.record().text(Field::lbltime), "1.29");
    EXPECT_FALSE(design.record().flags.ProjectModified);
}

// A field left with no number in it takes its snapshot back, as an emptied one does; no
// message comes up while the focus moves on.
TEST_F(OptionCorrections, AFieldLeftWithNoNumberTakesItsValueBack) {
    for (Field f :
         {Field::txtFOS, Field::txtVR, Field::txtoverflow, Field::txthalfempty, Field::txtringfail})
        EXPECT_EQ(release(f, "2", "."), "2") << nameOf(f);
    EXPECT_EQ(release(Field::txtringmargin, "0.5", "."), "0");
}

TEST_F(OptionCorrections, OkCorrectsEveryFieldAsLeavingItWould) {
    dialog.shown();
    for (auto [f, typed] : {std::pair{Field::txtVR, "0"},
                            {Field::txtFOS, "15"},
                            {Field::txthalfempty, ""},
                            {Field::txtringmargin, "."}})
        design.record().place(f, typed);
    dialog.ok();
    EXPECT_EQ(design.record().text(Field::txtVR), "0.01");
    EXPECT_EQ(design.record().text(Field::txtFOS), "10");
    EXPECT_EQ(design.record().text(Field::txthalfempty), "24");
    EXPECT_EQ(design.record().text(Field::txtringmargin), "0");
    EXPECT_EQ(design.record().status.voidRatio, "Void Ratio = 0.01");
}

TEST_F(OptionCorrections, FieldsOffTheDialogAreRefused) {
    design.record().place(Field::txtarea, "");
    EXPECT_THROW(dialog.fieldLeft(Field::txtarea), std::invalid_argument);
    EXPECT_THROW(dialog.spinUp(Field::txtVRC), std::invalid_argument);
    EXPECT_THROW(dialog.spinDown(Field::lblwid), std::invalid_argument);
    EXPECT_EQ(design.record().text(Field::txtarea), "");
}

}  // namespace
}  // namespace varnholt

// Guards the spin buttons of the options dialog: the exact-text stops, the thresholds, the
// plain form of every step, and that a step is never corrected to the typed range.
#include <gtest/gtest.h>

#include "engine/errors.h"
#include "started_design.h"
#include "tools/options_dialog_logic.h"

namespace varnholt {
namespace {

enum class Spin { up, down };

class OptionSpins : public ::testing::Test {
protected:
    void SetUp() override {
        testing::start(design);
        dialog.shown();
    }
    const std::string& step(Field f, const std::string& from, Spin spin) {
        design.record().place(f, from);
        spin == Spin::up ? dialog.spinUp(f) : dialog.spinDown(f);
        return design.record().text(f);
    }

    Design design;
    OptionsDialogLogic dialog{design};
};

TEST_F(OptionSpins, EachStepWritesThePlainFormOfTheNewValue) {
    struct Case {
        Field field;
        Spin spin;
        std::string from, expected;
    };
    using enum Spin;
    for (const Case& c : {
             Case{Field::txtFOS, up, "", "1"},
             Case{Field::txtFOS, up, "1", "1.5"},
             Case{Field::txtFOS, up, "9.5", "10"},
             Case{Field::txtFOS, up, "10", "10"},
             Case{Field::txtFOS, up, "9.8", "10.3"},  // only the text "10" stops it
             Case{Field::txtFOS, up, "10.0", "10.5"},
             Case{Field::txtFOS, down, "", "1"},
             Case{Field::txtFOS, down, "10.3", "9.8"},
             Case{Field::txtFOS, down, "1.5", "1"},
             Case{Field::txtFOS, down, "1.2", "0.7"},
             Case{Field::txtFOS, down, "1", "1"},
             Case{Field::txtFOS, down, "0.7", "1"},
             Case{Field::txtVR, up, "", "0.1"},
             Case{Field::txtVR, up, "0.3", "0.4"},
             Case{Field::txtVR, up, "0.7", "0.8"},
             Case{Field::txtVR, up, "1", "1.1"},
             Case{Field::txtVR, up, "1.1", "1"},
             Case{Field::txtVR, down, "", "0.1"},
             Case{Field::txtVR, down, "0.3", "0.2"},
             Case{Field::txtVR, down, "0.15", "0.05"},
             Case{Field::txtVR, down, "0.1", "0.1"},
             Case{Field::txtVR, down, "0.05", "0.1"},
             Case{Field::txtoverflow, up, "", "0"},
             Case{Field::txtoverflow, up, "0", "5"},
             Case{Field::txtoverflow, up, "98", "103"},
             Case{Field::txtoverflow, up, "100", "100"},
             Case{Field::txtoverflow, up, "100.0", "105"},
             Case{Field::txtoverflow, down, "", "0"},
             Case{Field::txtoverflow, down, "12.5", "7.5"},
             Case{Field::txtoverflow, down, "5", "0"},
             Case{Field::txtoverflow, down, "4.9", "0"},
             Case{Field::txthalfempty, up, "", "0"},
             Case{Field::txthalfempty, up, "24", "24.5"},
             Case{Field::txthalfempty, up, "99.8", "100.3"},
             Case{Field::txthalfempty, up, "100", "100"},
             Case{Field::txthalfempty, down, "", "1"},
             Case{Field::txthalfempty, down, "24", "23.5"},
             Case{Field::txthalfempty, down, "1.5", "1"},
             Case{Field::txthalfempty, down, "1.1", "0.6"},
             Case{Field::txthalfempty, down, "0.6", "1"},
             Case{Field::txtringfail, up, "", "1"},
             Case{Field::txtringfail, up, "4", "4.1"},
             Case{Field::txtringfail, up, "9.95", "10.05"},
             Case{Field::txtringfail, up, "10", "10"},
             Case{Field::txtringfail, down, "", "1"},
             Case{Field::txtringfail, down, "4", "3.5"},
             Case{Field::txtringfail, down, "1.2", "0.7"},
             Case{Field::txtringfail, down, "1", "1"},
             Case{Field::txtringmargin, up, "", "0.1"},
             Case{Field::txtringmargin, up, "0.2", "0.3"},
             Case{Field::txtringmargin, down, "", "0"},
             Case{Field::txtringmargin, down, "0.3", "0.2"},
             Case{Field::txtringmargin, down, "0.1", "0"},
             Case{Field::txtringmargin, down, "0.05", "0"},  // never below no fill
             Case{Field::txtringmargin, down, "0", "0"},
         }) {
        EXPECT_EQ(step(c.field, c.from, c.spin), c.expected)
            << nameOf(c.field) << (c.spin == up ? " up from '" : " down from '") << c.from << "'";
    }
}

TEST_F(OptionSpins, FactorOfSafetyStepsRefreshTheGuidance) {
    struct Case {
        Spin spin;
        std::string from;
        Rgb colour;
    };
    using enum Spin;
    for (const Case& c : {Case{up, "1.5", colours::purple}, Case{up, "4.5", colours::purple},
                          Case{up, "5", colours::red}, Case{down, "5.5", colours::purple},
                          Case{down, "2", colours::black}}) {
        step(Field::txtFOS, c.from, c.spin);
        EXPECT_EQ(design.record().fosGuidance.colour, c.colour) << c.from;
        EXPECT_EQ(design.record().style(Field::txtFOS).text, c.colour) << c.from;
    }
}

TEST_F(OptionSpins, ALonePointFailsAndStays) {
    for (Field f : {Field::txtFOS, Field::txtVR, Field::txtoverflow, Field::txthalfempty,
                    Field::txtringfail, Field::txtringmargin}) {
        for (Spin spin : {Spin::up, Spin::down}) {
            EXPECT_THROW(step(f, ".", spin), ConversionError) << nameOf(f);
            EXPECT_EQ(design.record().text(f), ".");
        }
    }
}

}  // namespace
}  // namespace varnholt

// Guards the storm the Routing page routes as the project keeps it: each text lands in the
// request and a bad one is refused by its box, the check takes the routed half-empty time
// only when asked, and the routed storm (or why there is none) is kept whether or not the
// check takes it.
#include <gtest/gtest.h>

#include "engine/design.h"
#include "started_design.h"
#include "tools/design_check_logic.h"
#include "tools/design_check_reader.h"

namespace varnholt {
namespace {

TEST(RoutingTexts, EachLandsInTheRequestAndABadOneIsRefusedByItsBox) {
    struct Case {
        const char* key;
        const char* text;
        const char* refusal;  // empty: read
    };
    const Case cases[] = {
        {"routeevent", "buildings", ""},
        {"routeevent", "Design", "Routed event: 'Design' is not one of design, site, buildings."},
        {"routeduration", "360", ""},
        {"routeduration", "45",
         "Routed storm: '45' is not a duration of the storm table (5, 10, 15, 30, 60, 120, 240, "
         "360, 600, 1440, 2880 min), or empty for the critical storm."},
        {"routearea", "halfdepth", ""},
        {"routearea", "half", "Wetted area: 'half' is not one of level, halfdepth."},
        {"routestep", "30", ""},
        {"routestep", "0.01",
         "Routing step: '0.01' is not a number of seconds from 1 to 60, or empty for a chosen "
         "step."},
        {"routestep", "61",
         "Routing step: '61' is not a number of seconds from 1 to 60, or empty for a chosen "
         "step."},
        {"routedcheck", "yes", "Use the routed half-empty time in the check: 'yes' is not 0 or 1."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.text);
        CheckTexts texts;
        ASSERT_TRUE(texts.set(c.key, c.text));
        ASSERT_TRUE(texts.set("routedcheck", texts.text("routedcheck") == "yes" ? "yes" : "1"));
        DesignCheckInputs in;
        const RoutingRequest before{StormEventKind::site, 15.0};
        in.routing = before;
        DesignCheckReader reader(in);
        const bool read = reader.readTexts(texts, {});
        if (*c.refusal) {
            EXPECT_FALSE(read);
            EXPECT_EQ(reader.error(), c.refusal);
            EXPECT_EQ(in.routing->event, before.event) << "kept";
            EXPECT_EQ(in.routing->minutes, before.minutes) << "kept";
            continue;
        }
        ASSERT_TRUE(read) << reader.error();
        ASSERT_TRUE(in.routing);
        const RoutingRequest& r = *in.routing;
        const std::string key = c.key;
        EXPECT_EQ(r.event,
                  key == "routeevent" ? StormEventKind::buildings : StormEventKind::design);
        EXPECT_EQ(r.minutes, key == "routeduration" ? std::optional(360.0) : std::nullopt);
        EXPECT_EQ(r.area, key == "routearea" ? WettedArea::halfDepth : WettedArea::atLevel);
        EXPECT_EQ(r.step, key == "routestep" ? 30 : 0);
        EXPECT_EQ(reader.routing().event, r.event);
    }
}

class RoutingLogic : public ::testing::Test {
protected:
    // The worked trench, 0.5 m wide, 1.5 m deep and 6 m long.
    void SetUp() override {
        testing::start(design);
        testing::enterWorkedInputs(design);
        testing::enter(design,
                       {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "6"}});
    }
    // The record with one text changed and nothing recalculated.
    DesignRecord with(Field field, const std::string& text) {
        DesignRecord r = design.record();
        r.setChangeHandler(nullptr);
        r.place(field, text);
        return r;
    }
    const CheckItem& halfEmpty() {
        EXPECT_TRUE(logic.calculateFromProject(design.record())) << logic.error();
        return logic.check()->items[1];
    }

    Design design;
    DesignCheckLogic logic;
};

TEST_F(RoutingLogic, TheCheckTakesTheRoutedTimeOnlyWhenAskedButTheStormIsRoutedEither) {
    design.editCheckText("routeduration", "30");
    EXPECT_EQ(halfEmpty().reason.find("Routed"), std::string::npos) << halfEmpty().reason;
    ASSERT_TRUE(logic.routed());
    EXPECT_EQ(logic.routed()->storm.minutes, 30);
    EXPECT_FALSE(logic.routed()->critical);
    EXPECT_FALSE(logic.inputs.routing);

    design.editCheckText("routedcheck", "1");
    EXPECT_TRUE(
        halfEmpty().reason.starts_with("Routed through the 30 min storm of the event "
                                       "\"Design (BRE 365 sizing)\" (uniform profile, "
                                       "wetted area at the water level)"))
        << halfEmpty().reason;
    ASSERT_TRUE(logic.routed());
    EXPECT_EQ(logic.routed()->storm.minutes, 30);

    // Back to the formula, and the critical storm routed for the page.
    design.editCheckText("routedcheck", "0");
    design.editCheckText("routeduration", "");
    EXPECT_EQ(halfEmpty().reason.find("Routed"), std::string::npos);
    ASSERT_TRUE(logic.routed());
    EXPECT_TRUE(logic.routed()->critical);
}

TEST_F(RoutingLogic, AStormThatCannotBeRoutedSaysWhy) {
    struct Case {
        const char* name;
        Field field;
        const char* length;
        const char* key;
        const char* text;
        const char* problem;
    };
    const Case cases[] = {
        {"FSR has no 30-year storm", Field::txtlength, "6", "routeevent", "site",
         "The FSR source gives 10-year storms only; choose an FEH source."},
        {"no trench", Field::txtlength, "", "routeevent", "design",
         "The trench on show has no length, so there is nothing to route a storm through."},
        {"a text refused", Field::txtlength, "6", "routearea", "x",
         "Wetted area: 'x' is not one of level, halfdepth."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignRecord record = with(c.field, c.length);
        record.checkTexts.set(c.key, c.text);
        logic.calculateFromProject(record);
        EXPECT_FALSE(logic.routed());
        EXPECT_EQ(logic.routingProblem(), c.problem);
    }
}

}  // namespace
}  // namespace varnholt

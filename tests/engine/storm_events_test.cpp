// The 30- and 100-year events against the soakaway on show: the storage each needs from the
// Maun FEH13 table, an exceedance that is no failure, a site that floods, and FSR's refusal to
// guess storms it does not hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "engine/design.h"
#include "engine/design_check.h"
#include "started_design.h"
#include "tools/feh_file_reader.h"

namespace varnholt {
namespace {

class StormEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::start(design);
        testing::enter(design, {{Field::txtarea, "100"},
                                {Field::txtrain, "0.02"},
                                {Field::txtsdur, "60"},
                                {Field::txtsinf, "0.00001"},
                                {Field::txtdepth, "1.5"},
                                {Field::lblwid, "2"},
                                {Field::txtFOS, "3"}});
        std::ifstream in(VARNHOLT_SOURCE_DIR "/tests/data/feh/028115-maun-at-mansfield.xml");
        std::stringstream contents;
        contents << in.rdbuf();
        feh.site.source = RainfallSourceKind::feh13;
        feh.site.tables.feh13 = readFehFile(contents.str(), "maun.xml").feh13;
    }
    // The trench on show this long, as the main window would show it.
    DesignCheck checkTrench(const DesignCheckInputs& in, const std::string& length) {
        DesignRecord r = design.record();
        r.setChangeHandler(nullptr);
        r.place(Field::lblwid, "2");
        r.place(Field::txtlength, length);
        return designCheck(in, r);
    }
    const EventResult& event(const DesignCheck& c, StormEventKind kind) {
        return c.events[static_cast<std::size_t>(kind)];
    }

    Design design;
    DesignCheckInputs feh;
};

// A trench 2 m wide and 1.5 m deep holds 0.9 m3 a metre at void ratio 0.3, and at 3.85 m it
// holds the 10-year storm. At 8 m it holds the 30-year storm but not the 100-year one, whose
// surplus is held on site: no failure. At 5 m the site floods in the 30-year storm: a failure.
TEST_F(StormEventsTest, AnExceedanceIsNoFailureButAFloodedSiteIs) {
    struct Case {
        const char* length;
        double provided;
        Verdict site, buildings;
        bool passes;
    };
    for (const Case& c : {Case{"8", 7.2, Verdict::pass, Verdict::exceedance, true},
                          Case{"5", 4.5, Verdict::fail, Verdict::exceedance, false},
                          Case{"14", 12.6, Verdict::pass, Verdict::pass, true}}) {
        const DesignCheck c0 = checkTrench(feh, c.length);
        ASSERT_TRUE(c0.provided) << c.length;
        EXPECT_NEAR(*c0.provided, c.provided, 1e-12) << c.length;
        const EventResult& site = event(c0, StormEventKind::site);
        const EventResult& buildings = event(c0, StormEventKind::buildings);
        EXPECT_EQ(site.verdict, c.site) << c.length << ": " << site.reason;
        EXPECT_EQ(buildings.verdict, c.buildings) << c.length << ": " << buildings.reason;
        ASSERT_TRUE(buildings.storage);
        // The rarer storm needs more, and the surplus is what the soakaway cannot hold.
        EXPECT_GT(buildings.storage->needed, site.storage->needed);
        EXPECT_NEAR(buildings.exceedance,
                    c.buildings == Verdict::exceedance ? buildings.storage->needed - c.provided : 0,
                    1e-12);
        EXPECT_EQ(site.exceedance, 0);
        EXPECT_EQ(c0.passes(), c.passes) << c.length;
        // The need is the worst duration's inflow less what soaks away while it falls.
        const EventStorage& s = *buildings.storage;
        for (const EventRow& row : s.rows) {
            EXPECT_LE(row.needed, s.needed) << row.minutes;
            EXPECT_NEAR(row.needed, std::max(0.0, row.inflow - row.soaked), 1e-12);
        }
        EXPECT_EQ(s.needed, s.rows[s.critical].needed);
    }
    // The events' return periods and allowances are the user's.
    DesignCheckInputs milder = feh;
    milder.setEvent(StormEventKind::buildings, {30, 40});
    const DesignCheck c = checkTrench(milder, "8");
    EXPECT_EQ(event(c, StormEventKind::buildings).verdict, Verdict::pass);
    EXPECT_EQ(event(c, StormEventKind::buildings).storage->needed,
              event(c, StormEventKind::site).storage->needed);
}

TEST_F(StormEventsTest, FsrGuessesNoRareStorm) {
    const DesignCheck c = checkTrench(DesignCheckInputs{}, "8");
    for (StormEventKind kind : {StormEventKind::site, StormEventKind::buildings}) {
        const EventResult& e = event(c, kind);
        EXPECT_EQ(e.verdict, Verdict::notChecked);
        EXPECT_EQ(e.reason,
                  "Not checked: the FSR source gives 10-year storms only; choose an FEH source.");
        EXPECT_FALSE(e.storage);
    }
    EXPECT_TRUE(c.passes());
    EXPECT_FALSE(c.passes(true));
}

}  // namespace
}  // namespace varnholt

// Guards the design check: the trial-pit series against hand calculations, the factor-of-
// safety table at its band edges, each clearance flag and the verdicts on a worked trench.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "engine/design.h"
#include "engine/design_check.h"
#include "engine/number_text.h"
#include "started_design.h"

namespace varnholt {
namespace {

// A pit 2 m x 0.6 m; falls of (1 m, 30 min), (0.8 m, 40 min), (0.9 m, 35 min). By hand, open:
// V = L.W.D/2, A = (L + W).D + L.W, f = V / (A.60T):
//   0.6 / (3.8 x 1800) = 8.7719E-5, 0.48 / (3.28 x 2400) = 6.0976E-5, 0.54 / (3.54 x 2100) =
//   7.2639E-5; with gravel of void ratio 0.3 each V, and so each f, is 0.3 times that.
TEST(TrialPitSeries, TheLowestOfTheTestsAndTheGravelCorrectionAsWorkedByHand) {
    TrialPitSeries series;
    series.length = 2;
    series.width = 0.6;
    series.tests = {{1, 30}, {0.8, 40}, {0.9, 35}};
    const double open[] = {0.6 / (3.8 * 1800), 0.48 / (3.28 * 2400), 0.54 / (3.54 * 2100)};
    for (bool gravel : {false, true}) {
        SCOPED_TRACE(gravel);
        series.gravel = gravel;
        const TrialPitSeriesRates r = trialPitSeriesRates(series);
        ASSERT_EQ(r.rates.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(r.rates[i].rate, open[i] * (gravel ? 0.3 : 1), 1e-15);
        EXPECT_EQ(r.lowest, 1u);
        EXPECT_EQ(r.designRate, r.rates[1].rate);
    }
    EXPECT_EQ(infiltrationRateText(trialPitSeriesRates(series).designRate), "1.82E-5");
    // The lowest wherever it stands, and a single test is its own minimum.
    series.tests = {{0.8, 40}, {1, 30}};
    EXPECT_EQ(trialPitSeriesRates(series).lowest, 0u);
    series.tests = {{1, 30}};
    EXPECT_NEAR(trialPitSeriesRates(series).designRate, open[0] * 0.3, 1e-15);
}

TEST(TrialPitSeries, RefusesWhatNoPitGives) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double length, width, voidRatio;
        std::vector<TrialPitTest> tests;
    };
    for (const Case& c : {Case{"no test", 2, 0.6, 0.3, {}},
                          Case{"four tests", 2, 0.6, 0.3, {{1, 30}, {1, 30}, {1, 30}, {1, 30}}},
                          Case{"zero depth", 2, 0.6, 0.3, {{1, 30}, {0, 30}}},
                          Case{"negative width", 2, -0.6, 0.3, {{1, 30}}},
                          Case{"time not a number", 2, 0.6, 0.3, {{1, nan}}},
                          Case{"void ratio 0", 2, 0.6, 0, {{1, 30}}},
                          Case{"void ratio over 1", 2, 0.6, 1.5, {{1, 30}}}}) {
        SCOPED_TRACE(c.what);
        TrialPitSeries s{c.length, c.width, true, c.voidRatio, c.tests};
        EXPECT_THROW(trialPitSeriesRates(s), std::domain_error);
    }
}

// 1e9 minutes is a slip, not a pit; the message names the test and the value refused.
TEST(TrialPitSeries, RefusesAbsurdTimesNamingTheValue) {
    struct Case {
        std::vector<TrialPitTest> tests;
        const char* says;  // empty: taken
    };
    for (const Case& c : {Case{{{1, 10080}}, ""}, Case{{{1, 1e9}}, "Test 1: the time"},
                          Case{{{1, 30}, {1, 10080.5}}, "Test 2: the time"},
                          Case{{{1, 30}, {0, 30}}, "Test 2: the effective depth"}}) {
        SCOPED_TRACE(c.says);
        const TrialPitSeries s{2, 0.6, false, 0.3, c.tests};
        if (*c.says == 0) {
            EXPECT_NO_THROW(trialPitSeriesRates(s));
            continue;
        }
        try {
            trialPitSeriesRates(s);
            ADD_FAILURE() << "taken";
        } catch (const std::domain_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.says, 0), 0u) << e.what();
        }
    }
}

TEST(FactorOfSafetyTable, BandEdges) {
    const FosTable t;
    struct Case {
        double area;
        Consequence consequence;
        double minimum;
    };
    const auto none = Consequence::noDamage, minor = Consequence::minorExternal,
               buildings = Consequence::buildings;
    // Over 1,000 m2 the table's third row: 1.5 / 5 / 10.
    for (const Case& c :
         {Case{0, minor, 2}, Case{99.99, none, 1.5}, Case{99.99, minor, 2},
          Case{99.99, buildings, 10}, Case{100, none, 1.5}, Case{100, minor, 3},
          Case{100, buildings, 10}, Case{1000, minor, 3}, Case{1000.01, none, 1.5},
          Case{1000.01, minor, 5}, Case{1500, buildings, 10}, Case{1e7, minor, 5}}) {
        SCOPED_TRACE(c.area);
        EXPECT_EQ(minimumFactorOfSafety(t, c.area, c.consequence), c.minimum);
    }
    FosTable own;  // every figure is a setting
    own.smallAreaBelow = 50;
    own.largestArea = 5000;
    own.minimum[1][1] = 4;
    own.minimum[2][1] = 6;
    EXPECT_EQ(minimumFactorOfSafety(own, 60, minor), 4);
    EXPECT_EQ(minimumFactorOfSafety(own, 5000, minor), 4);
    EXPECT_EQ(minimumFactorOfSafety(own, 5000.5, minor), 6);
}

// The worked trench (100 m2, 0.00001 m/s, 1.5 m deep, 10 m long, its width solved) designed
// for the storm that governs it at the default site, as "Use in Design" does.
class DesignCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::start(design);
        testing::enter(design, {{Field::txtarea, "100"},
                                {Field::txtrain, "0.02"},
                                {Field::txtsdur, "60"},
                                {Field::txtsinf, "0.00001"},
                                {Field::txtdepth, "1.5"},
                                {Field::lblwid, "0.5"},
                                {Field::txtlength, "10"}});
        const DesignCheck c = designCheck(in, design.record());
        const StormRainfall& critical = c.table.rows[c.table.trenchGoverning].rain;
        design.write(Field::txtsdur, plainText(critical.minutes));
        // A touch above the critical storm: the length on show, cut to two decimals, is then
        // no shorter than the critical storm's need.
        design.write(Field::txtrain, generalText(critical.depth + 0.0001));
    }
    // The design with one text put in place as the main window would show it.
    DesignRecord with(Field field, const std::string& text) {
        DesignRecord r = design.record();
        r.setChangeHandler(nullptr);
        r.place(field, text);
        return r;
    }
    const CheckItem& item(const DesignCheck& c, const std::string& name) {
        for (const CheckItem& i : c.items)
            if (i.name == name) return i;
        throw std::logic_error("no check " + name);
    }
    Verdict verdict(const std::string& name) {
        return item(designCheck(in, design.record()), name).verdict;
    }

    Design design;
    DesignCheckInputs in;
};

TEST_F(DesignCheckTest, TheDesignSizedForTheGoverningStormPassesUntilAnAllowanceIsAdded) {
    DesignCheck c = designCheck(in, design.record());
    EXPECT_EQ(design.record().text(Field::txtsdur), "60");  // 24.9 mm, a trench of 12.48 m
    EXPECT_EQ(item(c, "Critical storm").verdict, Verdict::pass) << item(c, "Critical storm").reason;
    EXPECT_EQ(item(c, "Half-empty time").verdict, Verdict::pass);
    // Nothing fails for want of the optional inputs.
    EXPECT_EQ(item(c, "Groundwater").verdict, Verdict::notChecked);
    EXPECT_EQ(item(c, "Building distance").verdict, Verdict::notChecked);
    EXPECT_EQ(item(c, "Infiltration rate").verdict, Verdict::notChecked);

    for (auto allowance : {&StormSite::allowancePercent, &StormSite::urbanCreepPercent}) {
        DesignCheckInputs more = in;
        more.site.*allowance = 10;
        c = designCheck(more, design.record());
        const CheckItem& storm = item(c, "Critical storm");
        EXPECT_EQ(storm.verdict, Verdict::fail);
        EXPECT_NE(storm.reason.find("only 12.48 m long"), std::string::npos) << storm.reason;
        EXPECT_FALSE(c.passes());
    }
    design.write(Field::txthalfempty, "1");  // the trench half empties in 1.29 h
    EXPECT_EQ(verdict("Half-empty time"), Verdict::fail);
}

TEST_F(DesignCheckTest, FactorOfSafetyByDrainedAreaAndConsequence) {
    struct Case {
        const char* area;
        double creep;
        Consequence consequence;
        const char* factor;
        Verdict verdict;
    };
    for (const Case& c : {Case{"99", 0, Consequence::minorExternal, "2", Verdict::pass},
                          Case{"100", 0, Consequence::minorExternal, "2", Verdict::fail},
                          Case{"95", 10, Consequence::minorExternal, "2", Verdict::fail},
                          Case{"100", 0, Consequence::noDamage, "1.5", Verdict::pass},
                          Case{"500", 0, Consequence::buildings, "9.99", Verdict::fail},
                          Case{"1001", 0, Consequence::noDamage, "1.5", Verdict::pass},
                          Case{"1001", 0, Consequence::minorExternal, "4.9", Verdict::fail},
                          Case{"1500", 0, Consequence::buildings, "1", Verdict::fail},
                          Case{"1500", 0, Consequence::buildings, "10", Verdict::pass}}) {
        SCOPED_TRACE(std::string(c.area) + " " + c.factor);
        design.write(Field::txtarea, c.area);
        design.write(Field::txtFOS, c.factor);
        in.site.urbanCreepPercent = c.creep;
        in.consequence = c.consequence;
        EXPECT_EQ(verdict("Factor of safety"), c.verdict);
    }
}

// The trench on show against the critical storm's need in full precision: cut short by
// millimetres it does not hold, and without a dimension it is not designed at all.
TEST_F(DesignCheckTest, TheSoakawayOnShowAgainstTheNeedInFullPrecision) {
    const DesignCheck c = designCheck(in, design.record());
    const double needed = c.table.rows[c.table.trenchGoverning].trenchLength;
    struct Case {
        Field field;
        std::string text;
        Verdict verdict;
        const char* says;
    };
    for (const Case& k :
         {Case{Field::txtlength, plainText(needed - 0.0099), Verdict::fail, "0.0099 m short"},
          Case{Field::txtlength, plainText(needed - 1e-9), Verdict::fail, "0.0001 m short"},
          Case{Field::txtlength, plainText(needed), Verdict::pass, "the trench on show is"},
          Case{Field::txtlength, "", Verdict::notDesigned, "trench on show has no length"},
          Case{Field::txtlength, "0", Verdict::notDesigned, "length is 0 m, not above 0"},
          Case{Field::txtlength, "-3", Verdict::notDesigned, "length is -3 m"},
          Case{Field::lblwid, "", Verdict::notDesigned, "trench on show has no width"},
          Case{Field::txtdepth, "0", Verdict::notDesigned, "depth is 0 m"}}) {
        SCOPED_TRACE(k.text);
        const DesignCheck r = designCheck(in, with(k.field, k.text));
        const CheckItem& storm = item(r, "Critical storm");
        EXPECT_EQ(storm.verdict, k.verdict) << storm.reason;
        EXPECT_NE(storm.reason.find(k.says), std::string::npos) << storm.reason;
        if (k.verdict != Verdict::pass) {
            EXPECT_FALSE(r.passes());
        }
    }
    // Not designed, it has no base to set against the groundwater either.
    in.groundwaterDepth = 5;
    EXPECT_EQ(item(designCheck(in, with(Field::txtlength, "")), "Groundwater").verdict,
              Verdict::notDesigned);
}

TEST_F(DesignCheckTest, TheRingOnShowIsCheckedByItsDepth) {
    design.write(Field::txtringfail, "10");
    design.switchPage(DetailPage::tsring);
    DesignRecord ring = design.record();
    ring.setChangeHandler(nullptr);
    const DesignCheck c = designCheck(in, ring);
    ASSERT_TRUE(c.ring);
    const double needed = c.table.rows[c.table.ringGoverning].ringDepth;
    struct Case {
        std::string depth;
        Verdict verdict;
    };
    for (const Case& k : {Case{plainText(needed - 0.005), Verdict::fail},
                          Case{plainText(needed + 0.005), Verdict::pass},
                          Case{"Fail", Verdict::notDesigned}, Case{"", Verdict::notDesigned}}) {
        SCOPED_TRACE(k.depth);
        ring.place(Field::rvdepth, k.depth);
        EXPECT_EQ(item(designCheck(in, ring), "Critical storm").verdict, k.verdict)
            << item(designCheck(in, ring), "Critical storm").reason;
    }
}

TEST_F(DesignCheckTest, ClearancesToTheGroundwaterAndTheNearestBuilding) {
    struct Case {
        double top;
        std::optional<double> groundwater;
        std::optional<double> building;
        Verdict groundwaterVerdict, buildingVerdict;
    };
    // The trench is 1.5 m deep: its base lies at top + 1.5 m.
    for (const Case& c :
         {Case{0, 2.5, 5, Verdict::pass, Verdict::pass},
          Case{0.8, 3.3, 7, Verdict::pass, Verdict::pass},  // 3.3 - 2.3 is 1 m
          Case{0, 2.49, 4.99, Verdict::fail, Verdict::fail},
          Case{0.5, 2.9, 0, Verdict::fail, Verdict::fail},
          Case{0, std::nullopt, std::nullopt, Verdict::notChecked, Verdict::notChecked}}) {
        SCOPED_TRACE(c.top);
        in.topDepth = c.top;
        in.groundwaterDepth = c.groundwater;
        in.buildingDistance = c.building;
        EXPECT_EQ(verdict("Groundwater"), c.groundwaterVerdict);
        EXPECT_EQ(verdict("Building distance"), c.buildingVerdict);
    }
    // The least clearances are settings.
    in.groundwaterDepth = 2.49;
    in.minimumGroundwaterClearance = 0.9;
    EXPECT_EQ(verdict("Groundwater"), Verdict::pass);
    in.buildingDistance = 3;
    in.minimumBuildingDistance = 3;
    EXPECT_EQ(verdict("Building distance"), Verdict::pass);
    in.buildingDistance = -1;
    EXPECT_THROW(designCheck(in, design.record()), std::domain_error);
}

TEST_F(DesignCheckTest, TheDesignRateMayNotExceedTheLowestTrialPitTest) {
    TrialPitSeries pit;
    pit.length = 2;
    pit.width = 0.6;
    pit.tests = {{1, 30}, {0.8, 40}};  // the lowest 6.09756E-5 m/s
    in.trialPits = pit;
    design.write(Field::txtsinf, "6.09E-5");  // as Use in Design writes it
    EXPECT_EQ(verdict("Infiltration rate"), Verdict::pass);
    design.write(Field::txtsinf, "6.1E-5");
    EXPECT_EQ(verdict("Infiltration rate"), Verdict::fail);
}

// The half-empty check takes the routed time only when routing is asked for, and then says so,
// with the formula's time beside it.
TEST_F(DesignCheckTest, TheHalfEmptyCheckTakesTheRoutedTimeOnlyWhenAsked) {
    const DesignCheck plain = designCheck(in, design.record());
    EXPECT_FALSE(plain.routing);
    EXPECT_EQ(item(plain, "Half-empty time").reason.find("Routed"), std::string::npos);

    DesignCheckInputs routed = in;
    routed.routing = RoutingRequest{};
    routed.routing->area = WettedArea::halfDepth;
    DesignCheck c = designCheck(routed, design.record());
    ASSERT_TRUE(c.routing);
    const CheckItem& half = item(c, "Half-empty time");
    EXPECT_EQ(half.verdict, Verdict::pass) << half.reason;
    for (const char* says : {"Routed through the ", "uniform profile", "wetted area at half depth",
                             "after its peak", "the formula gives"})
        EXPECT_NE(half.reason.find(says), std::string::npos) << says << ": " << half.reason;
    // The event's critical storm, the one needing the most storage of the trench on show.
    const EventStorage& design_ = *c.events[0].storage;
    EXPECT_TRUE(c.routing->critical);
    EXPECT_EQ(c.routing->storm.minutes, design_.rows[design_.critical].minutes);
    // Sized a touch above the storm, the trench is nearly full at the peak: with BRE 365's faces
    // the routed time from the peak is the formula's, less what the unfilled top would take.
    ASSERT_TRUE(c.routing->halfEmptyHours());
    EXPECT_LE(*c.routing->halfEmptyHours(), c.routing->formulaHalfEmpty + 60.0 / 3600);
    EXPECT_GT(*c.routing->halfEmptyHours(), 0.9 * c.routing->formulaHalfEmpty);

    design.write(Field::txthalfempty, "1");
    c = designCheck(routed, design.record());
    EXPECT_EQ(item(c, "Half-empty time").verdict, Verdict::fail);
    EXPECT_NE(item(c, "Half-empty time").reason.find("over the limit of 1 h"), std::string::npos);
    EXPECT_FALSE(c.passes());
}

TEST_F(DesignCheckTest, ARoutedHalfEmptyCheckThatCannotBeMadeSaysWhy) {
    struct Case {
        const char* what;
        Field field;
        const char* text;
        std::optional<double> minutes;
        Verdict verdict;
        const char* says;
    };
    for (const Case& c :
         {Case{"a table duration", Field::txtlength, "10", 30.0, Verdict::pass, "the 30 min storm"},
          Case{"no such duration", Field::txtlength, "10", 45.0, Verdict::notChecked,
               "holds no 45 min storm"},
          Case{"no length", Field::txtlength, "", std::nullopt, Verdict::notDesigned,
               "has no length"}}) {
        SCOPED_TRACE(c.what);
        DesignCheckInputs routed = in;
        routed.routing = RoutingRequest{};
        routed.routing->minutes = c.minutes;
        const DesignCheck check = designCheck(routed, with(c.field, c.text));
        const CheckItem& half = item(check, "Half-empty time");
        EXPECT_EQ(half.verdict, c.verdict) << half.reason;
        EXPECT_NE(half.reason.find(c.says), std::string::npos) << half.reason;
        EXPECT_EQ(check.routing.has_value(), c.verdict == Verdict::pass);
    }
}

TEST(StormProfiles, OnlyTheUniformProfileIsBuiltAndTheOthersSayWhy) {
    EXPECT_EQ(stormProfileOf("uniform").profile, StormProfile::uniform);
    for (const char* key : {"summer", "winter"}) {
        const ProfileChoice c = stormProfileOf(key);
        EXPECT_FALSE(c.profile);
        EXPECT_NE(c.problem.find("not built"), std::string::npos) << c.problem;
        EXPECT_NE(c.problem.find("published table"), std::string::npos) << c.problem;
    }
    EXPECT_NE(stormProfileOf("Uniform").problem.find("\"uniform\""), std::string::npos);
}

}  // namespace
}  // namespace varnholt

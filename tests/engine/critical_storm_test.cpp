// Guards the critical storm table: the factors read between the table's rows and columns, the
// storms fed through the very trench and ring formulas of the sizing, and the choice of the
// storm that governs. Expected figures were worked by hand from the tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "engine/critical_storm.h"
#include "engine/design.h"
#include "engine/number_text.h"
#include "started_design.h"

namespace varnholt {
namespace {

constexpr std::size_t column(double minutes) {
    for (std::size_t i = 0; i < kCriticalStormCount; ++i)
        if (kCriticalStormDurations[i] == minutes) return i;
    return kCriticalStormCount;
}

TEST(StormRainfall, Z1IsReadOnAndBetweenTheRows) {
    struct Case {
        double ratio, minutes, z1;
    };
    for (const Case& c : {Case{0.12, 5, 0.22}, Case{0.45, 1440, 2.03}, Case{0.30, 120, 1.25},
                          Case{0.135, 1440, 5.45},           // half way 6.00 .. 4.90
                          Case{0.31, 120, 1.25 - 0.02 / 3},  // a third of 1.25 .. 1.23
                          Case{0.2, 60, 1.00}, Case{0.44, 5, 0.39 - 0.01 / 3}}) {
        SCOPED_TRACE(c.ratio);
        EXPECT_NEAR(z1Factor(c.ratio, column(c.minutes)), c.z1, 1e-12);
    }
    EXPECT_EQ(z1Factor(0.30, column(240)), 1.57);  // a row is taken exactly
    for (double outside : {0.11, 0.46, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(z1Factor(outside, 0), std::domain_error);
}

TEST(StormRainfall, Z2IsReadBetweenTheRowsAndHeldBeyondThem) {
    struct Case {
        double m5;
        Region region;
        double z2;
        bool held;
    };
    const Region ew = Region::englandAndWales, sni = Region::scotlandAndNIreland;
    for (const Case& c :
         {Case{20, ew, 1.24, false}, Case{20, sni, 1.19, false}, Case{35, ew, 1.205, false},
          Case{62.5, sni, 1.15, false}, Case{7.5, ew, 1.205, false}, Case{5, sni, 1.17, false},
          Case{100, ew, 1.13, false}, Case{120, ew, 1.13, true}, Case{4.4, ew, 1.19, true},
          Case{4.4, sni, 1.17, true}}) {
        SCOPED_TRACE(c.m5);
        const Z2Factor z2 = z2Factor(c.m5, c.region);
        EXPECT_NEAR(z2.value, c.z2, 1e-12);
        EXPECT_EQ(z2.held, c.held);
    }
}

TEST(StormRainfall, ChainAndAllowance) {
    StormSite site;  // 20 mm, r 0.3, England and Wales
    const StormRainfall hour = stormRainfall(site, column(60));
    EXPECT_DOUBLE_EQ(hour.m5, 20);
    EXPECT_DOUBLE_EQ(hour.m10, 24.8);
    EXPECT_DOUBLE_EQ(hour.depth, 0.0248);
    // r 0.12 over a day: 120 mm of M5 rain lies beyond the Z2 table.
    site.ratio = 0.12;
    const StormRainfall day = stormRainfall(site, column(1440));
    EXPECT_DOUBLE_EQ(day.m5, 120);
    EXPECT_TRUE(day.z2Held);
    EXPECT_DOUBLE_EQ(day.m10, 135.6);

    for (auto refuse :
         {+[](StormSite& s) { s.m560Rainfall = 0; },
          +[](StormSite& s) { s.allowancePercent = -10; }, +[](StormSite& s) { s.ratio = 0.5; }}) {
        StormSite bad;
        refuse(bad);
        EXPECT_THROW(stormRainfall(bad, 0), std::domain_error);
    }
}

// The worked trench: 100 m2, 0.00001 m/s, void ratio 0.3, 0.5 m wide and 1.5 m deep; the
// 900 mm ring with neither surround nor base; limits 24 h and 4 m.
StormDesign workedDesign() {
    StormDesign d{};
    d.trench = {100, 0, 1, 0, 0.00001, 0.3, false};
    d.trenchWidth = 0.5;
    d.trenchDepth = 1.5;
    d.ring = {100, 0, 1, 0, 0.00001, 0.3, false, false, 0};
    d.ringRadius = 0.45;
    d.halfEmptyLimit = 24;
    d.ringFailureDepth = 4;
    return d;
}

TEST(CriticalStorm, TheGoverningStormIsNotTheHour) {
    const CriticalStormTable table = criticalStormTable(StormSite{}, workedDesign());
    EXPECT_EQ(kCriticalStormDurations[table.trenchGoverning], 120);
    EXPECT_EQ(kCriticalStormDurations[table.ringGoverning], 360);
    EXPECT_FALSE(table.longestGoverns(false));
    struct Case {
        double minutes, length, ringDepth;
        bool ringPasses;
    };
    for (const Case& c :
         {Case{5, 3.548122, 1.275063, true}, Case{60, 8.792115, 3.609656, true},
          Case{120, 9.147147, 4.200893, false}, Case{360, 7.507089, 4.549504, false},
          Case{1440, 3.912723, 3.552628, true}}) {
        SCOPED_TRACE(c.minutes);
        const CriticalStormRow& row = table.rows[column(c.minutes)];
        EXPECT_NEAR(row.trenchLength, c.length, 1e-6);
        EXPECT_NEAR(row.ringDepth, c.ringDepth, 1e-6);
        EXPECT_EQ(row.ringPasses, c.ringPasses);
        EXPECT_TRUE(row.trenchPasses);
        // The very formulas of the sizing, with this storm.
        TrenchLoad load = workedDesign().trench;
        load.rainfallDepth = row.rain.depth;
        load.stormMinutes = c.minutes;
        EXPECT_EQ(row.trenchHalfEmpty, trenchHalfEmptyHours(load, row.trenchLength, 0.5, 1.5));
    }
}

TEST(CriticalStorm, TheAllowanceRaisesEveryDepth) {
    StormSite plain, allowed;
    allowed.allowancePercent = 40;
    const CriticalStormTable before = criticalStormTable(plain, workedDesign());
    const CriticalStormTable after = criticalStormTable(allowed, workedDesign());
    for (std::size_t i = 0; i < kCriticalStormCount; ++i) {
        SCOPED_TRACE(kCriticalStormDurations[i]);
        EXPECT_NEAR(after.rows[i].rain.depth, before.rows[i].rain.depth * 1.4, 1e-15);
        EXPECT_EQ(after.rows[i].rain.m10, before.rows[i].rain.m10);  // the factors stay
        EXPECT_GT(after.rows[i].trenchLength, before.rows[i].trenchLength);
        EXPECT_GT(after.rows[i].ringDepth, before.rows[i].ringDepth);
    }
}

// A slip of the keyboard (1e308, 200 for 20) must not become a storm: 1e308 mm once reached
// Use in Design as a rainfall of "INF".
TEST(CriticalStorm, OnlySitesThatExistAreTaken) {
    constexpr double kHuge = std::numeric_limits<double>::max();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double StormSite::*value;
        double v;
        bool taken;
    };
    for (const Case& c :
         {Case{&StormSite::m560Rainfall, 5, true}, Case{&StormSite::m560Rainfall, 100, true},
          Case{&StormSite::m560Rainfall, 4.99, false},
          Case{&StormSite::m560Rainfall, 100.01, false},
          Case{&StormSite::m560Rainfall, kHuge, false}, Case{&StormSite::m560Rainfall, nan, false},
          Case{&StormSite::allowancePercent, 100, true},
          Case{&StormSite::allowancePercent, 100.01, false},
          Case{&StormSite::allowancePercent, kHuge, false},
          Case{&StormSite::urbanCreepPercent, 100, true},
          Case{&StormSite::urbanCreepPercent, 100.01, false},
          Case{&StormSite::urbanCreepPercent, kHuge, false}}) {
        SCOPED_TRACE(c.v);
        StormSite site;
        site.*c.value = c.v;
        if (c.taken)
            EXPECT_NO_THROW(criticalStormTable(site, workedDesign()));
        else
            EXPECT_THROW(criticalStormTable(site, workedDesign()), std::domain_error);
    }

    // The heaviest site taken still sizes a trench and a ring for every storm.
    StormSite heaviest;
    heaviest.m560Rainfall = 100;
    heaviest.ratio = kMinimumRatio;
    heaviest.allowancePercent = 100;
    heaviest.urbanCreepPercent = 100;
    for (const CriticalStormRow& row : criticalStormTable(heaviest, workedDesign()).rows) {
        SCOPED_TRACE(row.rain.minutes);
        EXPECT_TRUE(std::isfinite(row.rain.depth));
        EXPECT_TRUE(std::isfinite(row.trenchLength));
        EXPECT_TRUE(std::isfinite(row.ringDepth));
    }
}

// Beyond a day the Z1 table stops; by r = M5-60 / M5-2-day the two-day storm is M5-60 / r.
TEST(CriticalStorm, TheTwoDayStormAndTheLongestStormGoverning) {
    struct Case {
        double ratio, m5;
    };
    for (const Case& c : {Case{0.12, 20 / 0.12}, Case{0.3, 20 / 0.3}, Case{0.45, 20 / 0.45}}) {
        SCOPED_TRACE(c.ratio);
        StormSite site;
        site.ratio = c.ratio;
        const StormRainfall two = stormRainfall(site, column(2880));
        EXPECT_EQ(two.minutes, 2880);
        EXPECT_DOUBLE_EQ(two.z1, 1 / c.ratio);
        EXPECT_DOUBLE_EQ(two.m5, c.m5);
        EXPECT_DOUBLE_EQ(two.m10, c.m5 * z2Factor(c.m5, Region::englandAndWales).value);
        // The day's Z1 from the table stays below the two days'.
        EXPECT_LT(stormRainfall(site, column(1440)).z1, two.z1);
    }
    // A slow soil and a low r: the longest storm governs, and says so.
    StormDesign slow = workedDesign();
    slow.trench.infiltration = slow.ring.infiltration = 0.0000001;
    StormSite low;
    low.ratio = 0.12;
    const CriticalStormTable table = criticalStormTable(low, slow);
    EXPECT_EQ(table.trenchGoverning, kCriticalStormCount - 1);
    EXPECT_TRUE(table.longestGoverns(false));
    EXPECT_TRUE(table.longestGoverns(true));
}

// A fast soil takes the long storms as they fall: a negative length is no size and passes as
// "none needed", never as a trench of -0.31 m.
TEST(CriticalStorm, RowsNeedingNoStorageAreFlaggedNotSized) {
    StormDesign fast = workedDesign();
    fast.trench = {75, 0, 1, 0, 4.46E-5 / 1.5, 0.3, false};
    fast.trenchWidth = 1.5;
    StormSite site;
    site.ratio = 0.35;
    const CriticalStormTable table = criticalStormTable(site, fast);
    struct Case {
        double minutes;
        bool noneNeeded;
    };
    for (const Case& c : {Case{60, false}, Case{600, false}, Case{1440, true}, Case{2880, true}}) {
        SCOPED_TRACE(c.minutes);
        const CriticalStormRow& row = table.rows[column(c.minutes)];
        EXPECT_EQ(row.trenchNoneNeeded, c.noneNeeded);
        EXPECT_EQ(row.trenchNoneNeeded, row.trenchLength <= 0);
        EXPECT_TRUE(row.trenchPasses);
    }
    EXPECT_EQ(kCriticalStormDurations[table.trenchGoverning], 60);
}

TEST(CriticalStorm, UseInDesignRoundsTheRainfallUpToATenthOfAMillimetre) {
    struct Case {
        double depth, written;
    };
    for (const Case& c : {Case{0.03817612, 0.0382}, Case{0.0248, 0.0248}, Case{0.031, 0.031},
                          Case{0.065992512, 0.066}, Case{0.02480001, 0.0249},
                          Case{0.1 + 0.2 - 0.3 + 0.0001, 0.0001}}) {
        SCOPED_TRACE(c.depth);
        EXPECT_DOUBLE_EQ(roundedUpRainfall(c.depth), c.written);
        EXPECT_GE(roundedUpRainfall(c.depth), c.depth - 1e-15);
    }
}

// The table makes its own storms: it reads neither the design's rainfall nor its duration,
// and an input it does need is named when it is empty.
TEST(CriticalStorm, NeedsNoDesignStormAndNamesAMissingInput) {
    Design design;
    testing::start(design);
    testing::enter(design, {{Field::txtarea, "100"},
                            {Field::txtsinf, "0.00001"},
                            {Field::txtdepth, "1"},
                            {Field::lblwid, "0.6"}});
    design.write(Field::txtrain, "");
    design.write(Field::txtsdur, "");
    EXPECT_NO_THROW(criticalStormTable(StormSite{}, stormDesignOf(design.record())));
    struct Case {
        Field field;
        const char* says;
    };
    for (const Case& c : {Case{Field::txtarea, "the impermeable area is empty"},
                          Case{Field::txtsinf, "the soil infiltration rate is empty"},
                          Case{Field::txtFOS, "the factor of safety is empty"}}) {
        DesignRecord record = design.record();
        record.setChangeHandler(nullptr);
        record.place(c.field, "");
        try {
            stormDesignOf(record);
            ADD_FAILURE() << c.says;
        } catch (const std::domain_error& e) {
            EXPECT_STREQ(e.what(), c.says);
        }
    }
}

TEST(CriticalStorm, ReadsTheDesignAsTheMainWindowSizesIt) {
    Design design;
    testing::start(design);
    testing::enter(design, {{Field::txtarea, "100"},
                            {Field::txtrain, "0.0248"},
                            {Field::txtsdur, "60"},
                            {Field::txtsinf, "0.00001"},
                            {Field::txtdepth, "1.5"},
                            {Field::lblwid, "0.5"},
                            {Field::txtlength, "10"}});
    const StormDesign read = stormDesignOf(design.record());
    EXPECT_EQ(read.trenchWidth, design.record().number(Field::lblwid));
    EXPECT_EQ(read.trenchDepth, 1.5);
    EXPECT_EQ(read.ringRadius, 0.45);  // no ring on show yet: the first row's
    const CriticalStormTable table = criticalStormTable(StormSite{}, read);
    // The hour's storm is the design's own: the table agrees with the main window.
    const CriticalStormRow& hour = table.rows[column(60)];
    EXPECT_EQ(displayText(hour.trenchLength), design.record().text(Field::txtlength));
    EXPECT_EQ(displayText(hour.trenchHalfEmpty), design.record().text(Field::lbltime));
}

}  // namespace
}  // namespace varnholt

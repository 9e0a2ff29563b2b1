// Guards the routing of a storm through a soakaway: that no water is made or lost at any step,
// that with BRE 365's own assumptions it peaks at the storage the sizing balance gives, and
// that the drain-down after the storm only falls.
#include "engine/routing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/trench_formulas.h"

namespace varnholt {
namespace {

// A 100 m2 roof on a 1.5 m deep, 0.6 m wide gravel trench in a soil of 1e-5 m/s.
TrenchLoad roofLoad(double rainfall, double minutes) {
    return {100, rainfall, 1, minutes, 1e-5, 0.3, false};
}

RoutingInputs storm(double rainfall, double minutes, WettedArea area) {
    RoutingInputs in;
    in.runoffArea = 100;
    in.rainfall = rainfall;
    in.stormMinutes = minutes;
    in.area = area;
    return in;
}

TEST(Routing, NoWaterIsMadeOrLostAtAnyStep) {
    const RingLoad ring{100, 0.03, 1, 60, 1e-5, 0.3, true, true, 0.5};
    struct Case {
        const char* what;
        RoutedSoakaway soakaway;
        RoutingInputs inputs;
    } cases[] = {
        {"a trench, faces at the level", routedTrench(roofLoad(0.03, 60), 8, 0.6, 1.5),
         storm(0.03, 60, WettedArea::atLevel)},
        {"a trench with its base, BRE faces",
         routedTrench({100, 0.03, 1, 60, 1e-5, 0.3, true}, 8, 0.6, 1.5),
         storm(0.03, 60, WettedArea::halfDepth)},
        {"a ring with its fill and base", routedRing(ring, 0.6, 2),
         storm(0.03, 60, WettedArea::atLevel)},
        {"a trench far too small, which overflows", routedTrench(roofLoad(0.08, 1440), 2, 0.6, 1),
         storm(0.08, 1440, WettedArea::atLevel)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RoutingResult r = route(c.soakaway, c.inputs);
        for (const RoutingSample& s : r.samples) {
            const double balance = s.stored + s.infiltrated + s.overflow;
            ASSERT_NEAR(balance, s.inflow, 1e-9 * std::max(1.0, s.inflow)) << s.seconds;
            ASSERT_LE(s.stored, c.soakaway.capacity() * (1 + 1e-12));
        }
        // Every drop of the storm came in, and no more.
        EXPECT_NEAR(r.samples.back().inflow, c.inputs.runoffArea * c.inputs.rainfall, 1e-9);
    }
    EXPECT_GT(route(cases[3].soakaway, cases[3].inputs).overflow, 0);
}

TEST(Routing, WithBreAssumptionsThePeakIsTheSizingBalance) {
    // The storm the trench of 8 m needs no more than, and a storm it is sized exactly for.
    for (double minutes : {15.0, 60.0, 240.0, 1440.0}) {
        SCOPED_TRACE(minutes);
        const double rainfall = 0.02 + minutes / 60 * 0.002;
        const TrenchLoad load = roofLoad(rainfall, minutes);
        const double length = solveTrenchLength(load, 0.6, 1.5);
        ASSERT_GT(length, 0);
        const RoutingResult r = route(routedTrench(load, length, 0.6, 1.5),
                                      storm(rainfall, minutes, WettedArea::halfDepth));
        const SoakawayStore store = trenchStore(load, length, 0.6, 1.5);
        const double balance = 100 * rainfall - store.soakRate * minutes * 60;
        // The routed peak comes at the step that ends the storm; the bound is one step's rain.
        const double bound = 100 * rainfall / (minutes * 60) * r.step;
        EXPECT_NEAR(r.samples[r.peak].stored, balance, bound);
        EXPECT_NEAR(balance, store.storage, 1e-9) << "sized exactly: full at the peak";
        // Full at the peak and draining at the half-depth rate, it half empties in the
        // formula's time.
        ASSERT_TRUE(r.halfEmptySeconds);
        EXPECT_NEAR(*r.halfEmptySeconds / 3600, trenchHalfEmptyHours(load, length, 0.6, 1.5),
                    r.step / 3600);
    }
}

TEST(Routing, AfterTheStormTheLevelOnlyFallsUntilEmpty) {
    for (WettedArea area : {WettedArea::atLevel, WettedArea::halfDepth}) {
        SCOPED_TRACE(wettedAreaName(area));
        const RoutingResult r =
            route(routedTrench(roofLoad(0.03, 60), 8, 0.6, 1.5), storm(0.03, 60, area));
        for (std::size_t k = r.peak + 1; k < r.samples.size(); ++k)
            ASSERT_LE(r.samples[k].level, r.samples[k - 1].level) << r.samples[k].seconds;
        ASSERT_TRUE(r.emptySeconds);
        ASSERT_TRUE(r.halfEmptySeconds);
        EXPECT_LT(*r.halfEmptySeconds, *r.emptySeconds);
        EXPECT_LT(r.samples.back().level, kEmptyLevel);
    }
}

TEST(Routing, EveryProfileBringsTheStormsWholeDepth) {
    // Every profile the enumeration has; one added belongs here too.
    constexpr StormProfile kProfiles[] = {StormProfile::uniform};
    for (StormProfile profile : kProfiles) {
        SCOPED_TRACE(stormProfileName(profile));
        EXPECT_EQ(stormShare(profile, 1) - stormShare(profile, 0), 1.0);
        for (int k = 1; k <= 100; ++k)
            ASSERT_LE(stormShare(profile, (k - 1) / 100.0), stormShare(profile, k / 100.0)) << k;
        // Storms of whole steps and of a part step at the end.
        for (double minutes : {5.0, 7.5, 60.0, 1440.0}) {
            for (double step : {0.0, 45.0, 60.0}) {
                RoutingInputs in = storm(0.03, minutes, WettedArea::atLevel);
                in.profile = profile;
                in.step = step;
                const RoutingResult r =
                    route(routedTrench(roofLoad(0.03, minutes), 8, 0.6, 1.5), in);
                EXPECT_NEAR(r.samples.back().inflow, 100 * 0.03, 1e-12)
                    << minutes << " min, step " << step;
            }
        }
    }
}

TEST(Routing, RefusesWhatCannotBeRouted) {
    const RoutedSoakaway good = routedTrench(roofLoad(0.03, 60), 8, 0.6, 1.5);
    RoutedSoakaway noWidth = good;
    noWidth.freePerDepth = 0;
    RoutingInputs noStorm = storm(0.03, 0, WettedArea::atLevel);
    RoutingInputs nanRain = storm(std::nan(""), 60, WettedArea::atLevel);
    EXPECT_THROW(route(noWidth, storm(0.03, 60, WettedArea::atLevel)), std::domain_error);
    EXPECT_THROW(route(good, noStorm), std::domain_error);
    EXPECT_THROW(route(good, nanRain), std::domain_error);
}

}  // namespace
}  // namespace varnholt

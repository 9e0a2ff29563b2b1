// How long the design takes to follow the designer: one keystroke's whole write-back chain on
// a ready trench, one pass over the ring table, the critical storm table (goal: under
// 100 us), the design check's three storm events from an FEH13 table (goal: under 1 ms) and one
// routed storm of a day with its week of drain-down (goal: under 5 ms).
//   build/bench/varnholt_bench_engine --benchmark_repetitions=9 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include "engine/critical_storm.h"
#include "engine/design.h"
#include "engine/design_check.h"
#include "engine/routing.h"

namespace {

using varnholt::Design;
using varnholt::DetailPage;
using varnholt::Field;

void startWithInputs(Design& design, const char* rain) {
    design.create("today");
    design.firstShow();
    design.activate();
    design.write(Field::txtarea, "100");
    design.write(Field::txtrain, rain);
    design.write(Field::txtsinf, "0.00001");
}

void BM_KeystrokeChain(benchmark::State& state) {
    Design design;
    startWithInputs(design, "0.02");
    design.write(Field::txtdepth, "1.5");
    design.write(Field::lblwid, "0.5");
    const char* lengths[] = {"10", "12"};
    int i = 0;
    for (auto _ : state) {
        design.write(Field::txtlength, lengths[i ^= 1]);  // a change every time: a whole chain
        benchmark::DoNotOptimize(design.record().text(Field::lbltime).data());
    }
}
BENCHMARK(BM_KeystrokeChain);

void BM_RingTablePass(benchmark::State& state) {
    Design design;
    startWithInputs(design, "0.015");
    design.switchPage(DetailPage::tsring);
    for (auto _ : state) {
        design.refreshView();
        benchmark::DoNotOptimize(design.record().ring.cells[9][2].data());
    }
}
BENCHMARK(BM_RingTablePass);

// The critical storm table: every duration of the Z1 table through the trench and the ring.
void BM_CriticalStormTable(benchmark::State& state) {
    Design design;
    startWithInputs(design, "0.02");
    design.write(Field::txtdepth, "1.5");
    design.write(Field::lblwid, "0.5");
    const varnholt::StormSite site;
    for (auto _ : state) {
        const varnholt::CriticalStormTable table =
            varnholt::criticalStormTable(site, varnholt::stormDesignOf(design.record()));
        benchmark::DoNotOptimize(table.trenchGoverning);
    }
}
BENCHMARK(BM_CriticalStormTable);

// The three events' tables over every duration for an FEH13 source, with the critical storm
// table the check starts from: what the design check recomputes on each change. The table is
// an export's durations (15) and its return periods up to 1000 years, made from the FEH99
// model, whose depths beyond that fall with duration at this site.
void BM_EventTables(benchmark::State& state) {
    Design design;
    startWithInputs(design, "0.02");
    design.write(Field::txtdepth, "1.5");
    design.write(Field::lblwid, "2");
    design.write(Field::txtlength, "8");
    const varnholt::Feh99Parameters p{-0.023, 0.273, 0.351, 0.236, 0.309, 2.488};
    varnholt::DepthTable table;
    table.durations = {0.083, 0.25, 0.5, 0.75, 1, 2, 4, 6, 12, 18, 24, 48, 96, 192, 240};
    table.returnPeriods = {1.3, 1.58, 2, 3, 6, 10, 18, 31, 56, 100, 180, 310, 560, 1000};
    for (double hours : table.durations) {
        table.depths.emplace_back();
        for (double years : table.returnPeriods)
            table.depths.back().push_back(varnholt::feh99Depth(p, hours, years).millimetres);
    }
    varnholt::DesignCheckInputs inputs;
    inputs.site.source = varnholt::RainfallSourceKind::feh13;
    inputs.site.tables.feh13 = table;
    for (auto _ : state) {
        const varnholt::DesignCheck check = varnholt::designCheck(inputs, design.record());
        benchmark::DoNotOptimize(check.events[2].exceedance);
    }
}
BENCHMARK(BM_EventTables);

// Whole designs through the engine, headless: started, the four inputs typed, the trench sized
// from its width and depth and the nine rings tabled, as many per second as it manages.
void BM_WholeDesign(benchmark::State& state) {
    for (auto _ : state) {
        Design design;
        startWithInputs(design, "0.02");
        design.write(Field::txtdepth, "1.5");
        design.write(Field::lblwid, "0.5");
        design.write(Field::txtlength, "10");
        design.switchPage(DetailPage::tsring);
        benchmark::DoNotOptimize(design.record().ring.cells[9][2].data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeDesign);

// A 24-hour storm routed through a trench at one-minute steps, in a soil so slow that it is not
// empty within the seven days: every one of the week's 10080 steps is taken.
void BM_RouteDay(benchmark::State& state) {
    const varnholt::TrenchLoad load{100, 0.06, 1, 1440, 2e-7, 0.3, false};
    const varnholt::RoutedSoakaway trench = varnholt::routedTrench(load, 8, 0.6, 1.5);
    varnholt::RoutingInputs storm;
    storm.runoffArea = 100;
    storm.rainfall = 0.06;
    storm.stormMinutes = 1440;
    storm.step = 60;
    std::size_t samples = 0;
    for (auto _ : state) {
        const varnholt::RoutingResult routed = varnholt::route(trench, storm);
        samples = routed.samples.size();
        benchmark::DoNotOptimize(routed.samples.back().level);
    }
    state.counters["samples"] = static_cast<double>(samples);
}
BENCHMARK(BM_RouteDay);

}  // namespace

BENCHMARK_MAIN();

// How long the design takes to follow the designer: one keystroke's whole write-back chain on
// a ready trench, and one pass over the ring table. Both should take microseconds.
//   build/bench/varnholt_bench_engine --benchmark_repetitions=9 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include "engine/design.h"

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

}  // namespace

BENCHMARK_MAIN();

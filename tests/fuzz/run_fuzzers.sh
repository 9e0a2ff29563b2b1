#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60) from the seed
# corpus, with a fixed seed so that a run can be repeated. What a target finds is left in
# build-fuzz/findings/<target>/ and fails the run.
#   tests/fuzz/run_fuzzers.sh [SECONDS] [TARGET ...]   (targets: project_reader number_text
#                                                       design_actions feh_reader)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(project_reader number_text design_actions feh_reader)

cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-fuzz -j "$(nproc)" >/dev/null

status=0
for t in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$t"
  findings="build-fuzz/findings/$t"
  mkdir -p "$corpus" "$findings"
  cp -n tests/fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  echo "fuzz: $t for ${seconds} s"
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "build-fuzz/fuzz_$t" -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"build-fuzz/$t.log" 2>&1; then
    echo "fuzz: $t found a fault; see build-fuzz/$t.log and $findings/" >&2
    tail -40 "build-fuzz/$t.log" >&2
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "build-fuzz/$t.log" | tail -2
  fi
done
exit $status

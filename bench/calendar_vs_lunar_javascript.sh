#!/usr/bin/env bash
# Times the same moments with our calendar (bench_CalendarBench, Release
# build) and with lunar-javascript on this machine, and prints the ratio.
# BUILD_DIR chooses the build folder (default: build/, as ./run uses).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target bench_CalendarBench -j2 >&2
"$root/tools/calendar-reference/install-lunar-javascript.sh"

ours_json="$(mktemp)"
trap 'rm -f "$ours_json"' EXIT
"$build/bench/bench_CalendarBench" --benchmark_filter=BM_Chart --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$ours_json"
ours="$(node -e '
  const report = JSON.parse(require("fs").readFileSync(process.argv[1], "utf8"));
  const median = report.benchmarks.find((b) => b.aggregate_name === "median");
  console.log(Math.round(median.items_per_second));' "$ours_json")"
theirs="$(node "$root/bench/lunar_javascript_bench.js" | tail -n 1)"
echo "velorin:          $ours charts/s"
echo "lunar-javascript: $theirs charts/s"
node -e 'console.log(`ratio: ${(process.argv[1] / process.argv[2]).toFixed(1)}x`)' "$ours" "$theirs"

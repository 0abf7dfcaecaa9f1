#!/usr/bin/env bash
# Start-up benchmark: the program from exec to the first paint of its main form, against a bare Qt
# program that shows one empty 531x328 window, both under a fresh Xvfb at 96 dpi. Prints the median
# wall time (hyperfine, 3 warm-up runs) and the median peak resident memory of each, and the ratios
# program/bare; the goal is at most 1.3x the time and 1.2x the memory.
# Usage: bench/startup/run.sh [BUILD_DIR]        (default: build/release)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
if [ -z "${DISPLAY:-}" ] || [ "${STARTUP_BENCH_INNER:-}" != 1 ]; then
    STARTUP_BENCH_INNER=1 exec "$root/scripts/with-xvfb" bash "$0" "$build"
fi
runs=${STARTUP_BENCH_RUNS:-20}
rounds=${STARTUP_BENCH_ROUNDS:-3}
program=$build/bench/startup/bench_startup_program
bare=$build/bench/startup/bench_startup_bare
for exe in "$program" "$bare"; do
    [ -x "$exe" ] || { echo "missing $exe: build with 'cmake --preset release'" >&2; exit 1; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# A runtime directory of their own keeps Qt's warning about a missing one out of the figures.
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "commit $(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo none)," \
    "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) CPUs," \
    "build type $(grep -m1 '^CMAKE_BUILD_TYPE' "$build/CMakeCache.txt" | cut -d= -f2)"

# Both must really reach their first paint and end by themselves.
for exe in "$program" "$bare"; do
    timeout 20 "$exe" || { echo "$(basename "$exe") did not end at its first paint" >&2; exit 1; }
done

# hyperfine runs one command after the other; on a shared machine the load drifts meanwhile, so
# both are measured in several alternating rounds and the medians are taken over all rounds.
for round in $(seq "$rounds"); do
    echo "round $round of $rounds"
    hyperfine --warmup 3 --runs "$runs" --shell=none --style basic \
        --export-json "$out/time-$round.json" -n program "$program" -n bare "$bare"
done

# Peak resident set of each run in KiB, as the kernel accounts it for the process.
for _ in $(seq $((rounds * runs))); do
    for name in program bare; do
        exe=$program
        [ "$name" = bare ] && exe=$bare
        /usr/bin/time -f %M -o "$out/rss" "$exe"
        cat "$out/rss" >>"$out/$name.rss"
    done
done

python3 - "$out" <<'EOF'
import json, statistics, sys
out = sys.argv[1]
import glob
samples = {}
for path in sorted(glob.glob(f"{out}/time-*.json")):
    for r in json.load(open(path))["results"]:
        samples.setdefault(r["command"], []).extend(r["times"])
times = {name: statistics.median(values) for name, values in samples.items()}
rss = {name: statistics.median(int(line) for line in open(f"{out}/{name}.rss")) for name in ("program", "bare")}
for name in ("program", "bare"):
    print(f"{name:8s} median {times[name] * 1000:7.1f} ms over {len(samples[name])} runs,"
          f" peak memory median {rss[name] / 1024:6.1f} MiB")
t, m = times["program"] / times["bare"], rss["program"] / rss["bare"]
print(f"program/bare: time {t:.2f}x (goal <= 1.3x{'' if t <= 1.3 else ', MISSED'}),"
      f" peak memory {m:.2f}x (goal <= 1.2x{'' if m <= 1.2 else ', MISSED'})")
EOF

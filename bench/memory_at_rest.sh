#!/usr/bin/env bash
# Memory of the whole program at rest after start against the Fusion peer window: each run starts the
# process, lets it settle (window shown, table of contents read, start-up timers done), reads its
# resident size now (VmRSS) and at its peak (VmHWM) from /proc, then ends it. The two are taken in
# turn so that drift of a shared machine hits both alike. Prints the medians and the ratio of the
# program's resident size at rest to the peer's peak, next to the goal.
#
#   bench/memory_at_rest.sh [BUILD_DIR] [RUNS] [SETTLE_SECONDS]      defaults: build, 5, 3
# The program reads the demo disc; QT_QPA_PLATFORM is left as it is (give offscreen for a machine
# without a screen, or run it under xvfb-run for a real X server).
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${2:-5}
settle=${3:-3}
program=$build/bin/trackwell
peer=$build/bin/trackwell-fusion-peer
disc=$build/bin/demo/Trackwell-Demo.cue
for file in "$program" "$peer" "$disc"; do
  [[ -e $file ]] || { echo "memory_at_rest: $file is missing; build trackwell and trackwell-fusion-peer first" >&2; exit 1; }
done

unset TRACKWELL_EXIT_AFTER_FIRST_FRAME
out=$(mktemp -d)
pid=
# Never leaves a window behind, whatever ends the script.
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; rm -rf "$out"' EXIT

# One run: "rest_kb peak_kb" of the settled process, or a failure that ends the script.
measure() {
  local name=$1 rest peak
  shift
  "$@" >"$out/$name.log" 2>&1 &
  pid=$!
  sleep "$settle"
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "memory_at_rest: $name ended before it settled:" >&2
    cat "$out/$name.log" >&2
    exit 1
  fi
  rest=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
  echo "$rest $peak"
}

for ((i = 0; i < runs; i++)); do
  echo "trackwell $(measure trackwell "$program" --device "$disc")" >>"$out/runs"
  echo "peer $(measure peer "$peer")" >>"$out/runs"
done

# The middle value (the mean of the two middle ones for an even count) of column $2 of who's rows.
median() {
  awk -v who="$1" -v column="$2" '$1 == who { print $column }' "$out/runs" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

program_rest=$(median trackwell 2)
program_peak=$(median trackwell 3)
peer_rest=$(median peer 2)
peer_peak=$(median peer 3)
awk -v runs="$runs" -v settle="$settle" -v pr="$program_rest" -v pp="$program_peak" -v er="$peer_rest" -v ep="$peer_peak" 'BEGIN {
  printf "trackwell at rest %7.1f MiB   peak %7.1f MiB   (median of %d, %s s settled)\n", pr / 1024, pp / 1024, runs, settle
  printf "peer      at rest %7.1f MiB   peak %7.1f MiB\n", er / 1024, ep / 1024
  r = pr / ep
  printf "memory    trackwell at rest / peer peak %5.2f (goal <= 1.5: %s); peak / peak %5.2f\n", r, (r <= 1.5 ? "met" : "MISSED"), pp / ep
}'

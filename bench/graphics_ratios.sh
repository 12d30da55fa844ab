#!/usr/bin/env bash
# One run of the row kernels against memcpy and pixman's OVER over 1920 x 1080 pixels; prints each
# kernel's pixel rate as a ratio of its yardstick, next to the goal.
#
#   bench/graphics_ratios.sh [BUILD_DIR]      default: build
set -euo pipefail

bench=$(realpath "${1:-build}/bin/trackwell_bench")
[[ -x $bench ]] || { echo "bench: build trackwell_bench first" >&2; exit 1; }

# Arg 0 is the kernel set picked at start-up, the one the program uses.
"$bench" --benchmark_filter='^BM_(Memcpy|PixmanOver|RowCopy/0|RowKeyCopy/0|RowBlend/0)$' 2>/dev/null |
  awk '
    function show(name, base, goal) {
      r = rate[name] / rate[base]
      printf "%-14s %5.2f x %-13s (goal >= %.1f: %s)\n", name, r, base, goal, (r >= goal ? "met" : "MISSED")
    }
    /items_per_second=/ {
      match($0, /items_per_second=[0-9.]+[kMG]?/)
      value = substr($0, RSTART + 17, RLENGTH - 17)
      scale = 1
      if (value ~ /k$/) scale = 1e3; else if (value ~ /M$/) scale = 1e6; else if (value ~ /G$/) scale = 1e9
      sub(/[kMG]$/, "", value)
      name = $1; sub(/\/0$/, "", name)
      rate[name] = value * scale
      printf "%-14s %8.0f Mpx/s\n", name, rate[name] / 1e6
    }
    END {
      show("BM_RowCopy", "BM_Memcpy", 0.9)
      show("BM_RowKeyCopy", "BM_Memcpy", 0.4)
      show("BM_RowBlend", "BM_Memcpy", 0.5)
      show("BM_RowBlend", "BM_PixmanOver", 1.2)
    }'

#!/usr/bin/env bash
# Opening and painting the "Operation" popup from the bar in OSXTiger against a Fusion QMenu with the
# same items; prints the CPU time of each (median of five) and the ratio next to the goal.
#
#   bench/menu_ratio.sh [BUILD_DIR]      default: build
set -euo pipefail

bench=$(realpath "${1:-build}/bin/trackwell_bench")
[[ -x $bench ]] || { echo "bench: build trackwell_bench first" >&2; exit 1; }

"$bench" --benchmark_filter='^BM_Q?MenuOpen$' --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null |
  awk -F, '
    $1 ~ /_median"$/ {
      name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
      cpu[name] = $4
      printf "%-16s %7.1f us CPU\n", name, $4
    }
    END {
      r = cpu["BM_MenuOpen"] / cpu["BM_QMenuOpen"]
      printf "BM_MenuOpen / BM_QMenuOpen %5.2f (goal <= 1.0: %s)\n", r, (r <= 1.0 ? "met" : "MISSED")
    }'

#!/usr/bin/env bash
# One run of the themed progress bar's 1000 position updates against Qt's QProgressBar in the Fusion
# style given the same updates; prints the CPU time of each and the ratio next to the goal.
#
#   bench/progress_ratio.sh [BUILD_DIR]      default: build
set -euo pipefail

bench=$(realpath "${1:-build}/bin/trackwell_bench")
[[ -x $bench ]] || { echo "bench: build trackwell_bench first" >&2; exit 1; }

"$bench" --benchmark_filter='^BM_(ProgressStep|QProgressBarStep/.*)$' --benchmark_format=csv 2>/dev/null |
  awk -F, '
    $1 ~ /^"BM_/ {
      name = $1; gsub(/"/, "", name)
      cpu[name] = $4
      printf "%-30s %9.0f us CPU\n", name, $4
    }
    END {
      for (peer in cpu) {
        if (peer == "BM_ProgressStep") continue
        r = cpu["BM_ProgressStep"] / cpu[peer]
        printf "BM_ProgressStep / %-28s %5.2f (goal <= 0.5: %s)\n", peer, r, (r <= 0.5 ? "met" : "MISSED")
      }
    }'

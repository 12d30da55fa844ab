#!/usr/bin/env bash
# Start to first frame and memory of the whole program against the Fusion peer window: each run
# starts the process with TRACKWELL_EXIT_AFTER_FIRST_FRAME=1 (it leaves as soon as its first frame is
# flushed), the two taken in turn so that drift of a shared machine hits both alike. Prints the
# median wall time and peak resident size of each (the program's peak covers everything it holds at
# rest after start: the theme, the table of contents, the windows) and the ratios next to the goals.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]      defaults: build, 9
# The program reads the demo disc; QT_QPA_PLATFORM is left as it is (give offscreen for a machine
# without a screen, or run it under xvfb-run for a real X server).
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${2:-9}
program=$build/bin/trackwell
peer=$build/bin/trackwell-fusion-peer
disc=$build/bin/demo/Trackwell-Demo.cue
for file in "$program" "$peer" "$disc"; do
  [[ -e $file ]] || { echo "startup: $file is missing; build trackwell and trackwell-fusion-peer first" >&2; exit 1; }
done

export TRACKWELL_EXIT_AFTER_FIRST_FRAME=1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# One run: "microseconds kilobytes" of the finished process, or a failure that ends the script.
measure() {
  local name=$1 start end
  shift
  # time's own clock counts hundredths; the wall time is taken in nanoseconds around it.
  start=$(date +%s%N)
  if ! /usr/bin/time -f '%M' -o "$out/time" "$@" >"$out/$name.log" 2>&1; then
    echo "startup: $name failed:" >&2
    cat "$out/$name.log" >&2
    exit 1
  fi
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(cat "$out/time")"
}

# One warm-up each (file cache, font cache), not counted.
measure trackwell "$program" --device "$disc" >/dev/null
measure peer "$peer" >/dev/null
for ((i = 0; i < runs; i++)); do
  a=$(measure trackwell "$program" --device "$disc")
  b=$(measure peer "$peer")
  printf 'trackwell %s\npeer %s\n' "$a" "$b" >>"$out/runs"
done

awk -v runs="$runs" '
  function median(values, n,   i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && values[j - 1] > values[j]; j--) { t = values[j]; values[j] = values[j - 1]; values[j - 1] = t }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
  }
  { n[$1]++; secs[$1, n[$1]] = $2; kb[$1, n[$1]] = $3 }
  END {
    split("trackwell peer", order, " ")
    for (o = 1; o <= 2; o++) {
      who = order[o]
      for (i = 1; i <= n[who]; i++) { s[i] = secs[who, i]; k[i] = kb[who, i] }
      wall[who] = median(s, n[who]) / 1e6; mem[who] = median(k, n[who])
      printf "%-9s start to first frame %6.3f s   peak resident %7.1f MiB   (median of %d)\n", who, wall[who], mem[who] / 1024, n[who]
    }
    t = wall["trackwell"] / wall["peer"]; m = mem["trackwell"] / mem["peer"]
    printf "start-up  trackwell / peer %5.2f (goal <= 2.0: %s)\n", t, (t <= 2.0 ? "met" : "MISSED")
    printf "memory    trackwell / peer %5.2f (goal <= 1.5: %s)\n", m, (m <= 1.5 ? "met" : "MISSED")
  }' "$out/runs"

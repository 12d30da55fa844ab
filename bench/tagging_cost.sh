#!/usr/bin/env bash
# What tagging costs an MP3 rip of the demo disc: the whole program ripping the disc's sheet, whose CD-Text gives
# every file its ID3v2 tag, against the same audio under a sheet without texts, which gets no tags; alternating
# runs in one go. Prints each run, then the median ratios of wall and CPU time against the goal (<= 1.02), and the
# ratio of the CPU time summed over all runs (the clock counts in hundredths of a second: a single run's ratio
# moves in steps of almost 2 %). On a busy machine the wall time waits for a core; the CPU time does not.
#
#   bench/tagging_cost.sh [BUILD_DIR] [RUNS]      defaults: build 11
set -euo pipefail

build=${1:-build}
runs=${2:-11}
trackwell=$(realpath "$build/bin/trackwell")
demo_cue=$(realpath "$build/bin/demo/Trackwell-Demo.cue")
command -v /usr/bin/time >/dev/null || { echo "bench: /usr/bin/time is missing (bash scripts/setup.sh)" >&2; exit 1; }
[[ -x $trackwell && -f $demo_cue ]] || { echo "bench: build trackwell first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "${demo_cue%.cue}.bin" "$work/Trackwell-Demo.bin"
cp "$demo_cue" "$work/tagged.cue"
grep -v -E '^[[:space:]]*(TITLE|PERFORMER|SONGWRITER|REM (DATE|GENRE)|CATALOG|ISRC)' "$demo_cue" >"$work/plain.cue"

# rip SHEET: prints "wall cpu" seconds of one MP3 rip of every track into a fresh folder.
rip() {
  rm -rf "$work/out"
  /usr/bin/time -f '%e %U %S' -o "$work/time" "$trackwell" --device "$1" --rip all --format mp3 --offline --no-log \
    --output "$work/out" >/dev/null 2>&1 || { echo "bench: the rip of $1 failed" >&2; exit 1; }
  awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

rip "$work/plain.cue" >/dev/null   # warms the page cache and the libraries
head -c 3 "$work/out/Track01.mp3" | grep -q ID3 && { echo "bench: the plain sheet's files got tags" >&2; exit 1; }
rip "$work/tagged.cue" >/dev/null
head -c 3 "$work/out/Track01.mp3" | grep -q ID3 || { echo "bench: the demo disc's files got no tags" >&2; exit 1; }

echo "MP3 rip of the demo disc, tagged from its CD-Text vs the same audio without texts, $runs alternating runs"
wall_ratios=() cpu_ratios=() cpu_tagged=0 cpu_plain=0
for ((i = 1; i <= runs; i++)); do
  read -r tw tc < <(rip "$work/tagged.cue")
  read -r pw pc < <(rip "$work/plain.cue")
  wall_ratios+=("$(awk -v a="$tw" -v b="$pw" 'BEGIN { printf "%.4f", a / b }')")
  cpu_ratios+=("$(awk -v a="$tc" -v b="$pc" 'BEGIN { printf "%.4f", a / b }')")
  cpu_tagged=$(awk -v a="$cpu_tagged" -v b="$tc" 'BEGIN { print a + b }')
  cpu_plain=$(awk -v a="$cpu_plain" -v b="$pc" 'BEGIN { print a + b }')
  echo "  run $i: tagged ${tw}s (CPU ${tc}s), untagged ${pw}s (CPU ${pc}s)"
done
for kind in wall cpu; do
  declare -n ratios="${kind}_ratios"
  med=$(printf '%s\n' "${ratios[@]}" | median)
  echo "median $kind-time ratio $med ($(awk -v m="$med" 'BEGIN { print (m <= 1.02) ? "within" : "OVER" }') the 1.02 goal)"
done
echo "CPU time summed over the runs: tagged ${cpu_tagged}s, untagged ${cpu_plain}s, ratio" \
  "$(awk -v a="$cpu_tagged" -v b="$cpu_plain" 'BEGIN { printf "%.4f", a / b }')"

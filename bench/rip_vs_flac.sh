#!/usr/bin/env bash
# Ripping a disc image to FLAC against the flac command-line encoder alone on the WAV rip of the same audio, at the
# same compression level, alternating runs; prints the median ratio of the wall times (and of the CPU times, which a
# busy machine disturbs less). Rips prove themselves as they always do (checksums, rip log and cue sheet written);
# the AccurateRip database is not asked (--offline).
#
#   bench/rip_vs_flac.sh [BUILD_DIR] [RUNS] [MINUTES] [LEVEL]      defaults: build 5 5 5
#
# The image is one long track made by repeating the demo disc's audio; it lives in a temporary folder.
set -euo pipefail

build=${1:-build}
runs=${2:-5}
minutes=${3:-5}
level=${4:-5}
trackwell=$(realpath "$build/bin/trackwell")
demo_bin=$(realpath "$build/bin/demo/Trackwell-Demo.bin")
for tool in flac /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing (bash scripts/setup.sh)" >&2; exit 1; }
done
[[ -x $trackwell && -f $demo_bin ]] || { echo "bench: build trackwell first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sectors=$((minutes * 60 * 75))
bytes=$((sectors * 2352))
while (( $(stat -c %s "$work/timing.bin" 2>/dev/null || echo 0) < bytes )); do
  cat "$demo_bin" >>"$work/timing.bin"
done
truncate -s "$bytes" "$work/timing.bin"
printf 'FILE "timing.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n' >"$work/timing.cue"
"$trackwell" --device "$work/timing.cue" --rip all --format wav --offline --no-log --output "$work/wav" >/dev/null

# measure COMMAND...: prints "wall-seconds cpu-seconds".
measure() {
  /usr/bin/time -f '%e %U %S' -o "$work/time" "$@" >/dev/null 2>&1 || { echo "bench: failed: $*" >&2; exit 1; }
  awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "Ripping a $minutes-minute image to FLAC at level $level vs flac -$level on its WAV rip, $runs alternating runs"
wall=() cpu=()
for ((i = 1; i <= runs; i++)); do
  read -r rip_wall rip_cpu < <(measure "$trackwell" --device "$work/timing.cue" --rip all --format flac --flac-level "$level" \
    --offline --output "$work/out")
  read -r enc_wall enc_cpu < <(measure flac -"$level" --silent --force -o "$work/flac.flac" "$work/wav/Track01.wav")
  wall+=("$(awk -v a="$rip_wall" -v b="$enc_wall" 'BEGIN { printf "%.3f", a / b }')")
  cpu+=("$(awk -v a="$rip_cpu" -v b="$enc_cpu" 'BEGIN { printf "%.3f", a / b }')")
  echo "  run $i: trackwell ${rip_wall}s (cpu ${rip_cpu}s), flac ${enc_wall}s (cpu ${enc_cpu}s)"
done
med=$(printf '%s\n' "${wall[@]}" | median)
echo "median wall ratio $med ($(awk -v m="$med" 'BEGIN { print (m <= 1.05) ? "within" : "OVER" }') the 1.05 goal);" \
  "median cpu ratio $(printf '%s\n' "${cpu[@]}" | median)"

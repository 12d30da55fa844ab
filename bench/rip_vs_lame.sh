#!/usr/bin/env bash
# Ripping a disc image to MP3 at 256 kbit/s against the lame command-line encoder on the same audio at the
# same settings (stereo, CRC, no info tag, LAME's default quality), alternating runs; prints the median
# ratio; the same once more with the MP3 resampled to 22050 Hz. Then the peak memory of ripping a short and a 74-minute image, which must not grow with length.
# Rips prove themselves as they always do (checksums, rip log and cue sheet written); the AccurateRip database is
# not asked (--offline), so the network's speed takes no part in the times. The cost of the checksums on a WAV rip
# of a 74-minute image is the BM_RipWav74Minutes benchmark of trackwell_bench.
#
#   bench/rip_vs_lame.sh [BUILD_DIR] [RUNS] [MINUTES]      defaults: build 5 10
#
# The images are one long track made by repeating the demo disc's audio; they live in a temporary folder.
set -euo pipefail

build=${1:-build}
runs=${2:-5}
minutes=${3:-10}
trackwell=$(realpath "$build/bin/trackwell")
demo_bin=$(realpath "$build/bin/demo/Trackwell-Demo.bin")
for tool in lame /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing (bash scripts/setup.sh)" >&2; exit 1; }
done
[[ -x $trackwell && -f $demo_bin ]] || { echo "bench: build trackwell first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_image NAME MINUTES: a one-track image of that length.
make_image() {
  local name=$1 sectors=$(($2 * 60 * 75))
  local bytes=$((sectors * 2352))
  while (( $(stat -c %s "$work/$name.bin" 2>/dev/null || echo 0) < bytes )); do
    cat "$demo_bin" >>"$work/$name.bin"
  done
  truncate -s "$bytes" "$work/$name.bin"
  printf 'FILE "%s.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n' "$name" >"$work/$name.cue"
}

# measure COMMAND...: prints "seconds peak-kB".
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>&1 || { echo "bench: failed: $*" >&2; exit 1; }
  cat "$work/time"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

make_image timing "$minutes"

# compare LABEL TRACKWELL-OPTIONS LAME-OPTIONS: alternating runs of a rip and of lame at the same settings.
compare() {
  local label=$1 ours=$2 theirs=$3
  echo "Ripping a $minutes-minute image to MP3 $label vs lame on its audio, $runs alternating runs"
  local ratios=() rip enc ratio
  for ((i = 1; i <= runs; i++)); do
    # shellcheck disable=SC2086
    read -r rip _ < <(measure "$trackwell" --device "$work/timing.cue" --rip all --format mp3 --offline $ours --output "$work/out")
    # shellcheck disable=SC2086
    read -r enc _ < <(measure lame --silent -r -s 44.1 --bitwidth 16 --signed --little-endian $theirs -p -t \
      "$work/timing.bin" "$work/lame.mp3")
    ratio=$(awk -v a="$rip" -v b="$enc" 'BEGIN { printf "%.3f", a / b }')
    ratios+=("$ratio")
    echo "  run $i: trackwell ${rip}s, lame ${enc}s, ratio $ratio"
  done
  local med verdict
  med=$(printf '%s\n' "${ratios[@]}" | median)
  verdict=$(awk -v m="$med" 'BEGIN { print (m <= 1.05) ? "within" : "OVER" }')
  echo "median ratio $med ($verdict the 1.05 goal)"
}

compare "at 256 kbit/s" "--bitrate 256" "-b 256 -m s"
# The encoder resamples the ripped 44.1 kHz audio, as lame does with --resample.
compare "resampled to 22050 Hz" "--bitrate 256 --rate 22050" "-b 256 -m s --resample 22.05"

make_image long 74
read -r _ short_kb < <(measure "$trackwell" --device "$work/timing.cue" --rip all --format mp3 --offline --output "$work/out")
read -r long_s long_kb < <(measure "$trackwell" --device "$work/long.cue" --rip all --format mp3 --offline --output "$work/out")
echo "peak memory: $((short_kb / 1024)) MB for $minutes minutes, $((long_kb / 1024)) MB for 74 minutes" \
  "(goal under 64 MB; 74 minutes took ${long_s}s)"

#!/usr/bin/env bash
# Ripping a disc image to WAV against Debian's cd-paranoia on the same image, alternating runs; prints the median
# ratio of wall times and checks that both wrote the same bytes. Then the same disc as one WAVE file per track
# against one BINARY file: the sheet's shape must not cost time.
#
#   bench/rip_vs_paranoia.sh [BUILD_DIR] [RUNS] [MINUTES]      defaults: build 9 3
#
# The images repeat the demo disc's audio; they live in a temporary folder. cd-paranoia reads only a .bin named
# like its sheet, so that is the shape compared; -c tells it the image is little-endian instead of letting it guess.
# Trackwell sums its checksums and writes its rip log as always, without asking the AccurateRip database.
set -euo pipefail

build=${1:-build}
runs=${2:-9}
minutes=${3:-3}
trackwell=$(realpath "$build/bin/trackwell")
demo_bin=$(realpath "$build/bin/demo/Trackwell-Demo.bin")
for tool in cd-paranoia python3; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing (bash scripts/setup.sh)" >&2; exit 1; }
done
[[ -x $trackwell && -f $demo_bin ]] || { echo "bench: build trackwell first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The disc's audio: the demo disc repeated to the length asked for.
bytes=$((minutes * 60 * 75 * 2352))
: >"$work/disc.bin"
while (( $(stat -c %s "$work/disc.bin") < bytes )); do cat "$demo_bin" >>"$work/disc.bin"; done
truncate -s "$bytes" "$work/disc.bin"
printf 'FILE "disc.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n' >"$work/disc.cue"

# The same audio as three tracks: one BINARY file, and one WAVE file per track.
python3 - "$work" "$minutes" <<'PY'
import struct, sys
work, minutes = sys.argv[1], int(sys.argv[2])
audio = open(f"{work}/disc.bin", "rb").read()
track = minutes * 60 * 75 // 3 * 2352
single, waves = ['FILE "disc.bin" BINARY\n'], []
for i in range(3):
    data = audio[i * track:(i + 1) * track] if i < 2 else audio[2 * track:]
    header = (b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 2, 44100, 176400, 4, 16)
              + b"data" + struct.pack("<I", len(data)))
    open(f"{work}/track{i + 1}.wav", "wb").write(header + data)
    waves.append(f'FILE "track{i + 1}.wav" WAVE\n  TRACK {i + 1:02} AUDIO\n    INDEX 01 00:00:00\n')
    start = i * track // 2352
    single.append(f"  TRACK {i + 1:02} AUDIO\n    INDEX 01 {start // 4500:02}:{start // 75 % 60:02}:{start % 75:02}\n")
open(f"{work}/single.cue", "w").write("".join(single))
open(f"{work}/waves.cue", "w").write("".join(waves))
PY

# seconds COMMAND...: the command's wall time, finer than /usr/bin/time's hundredths (a rip takes a few of them).
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || { echo "bench: failed: $*" >&2; exit 1; }
  end=$(date +%s%N)
  awk -v n=$((end - start)) 'BEGIN { printf "%.4f", n / 1e9 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# compare NAME GOAL A-COMMAND -- B-COMMAND: alternating runs, the median of the pairs' ratios.
compare() {
  local name=$1 goal=$2 a=() b=()
  shift 2
  while [[ $1 != -- ]]; do a+=("$1"); shift; done
  shift
  b=("$@")
  local ratios=() i
  for ((i = 1; i <= runs; i++)); do
    local ta tb
    ta=$(seconds "${a[@]}")
    tb=$(seconds "${b[@]}")
    ratios+=("$(awk -v a="$ta" -v b="$tb" 'BEGIN { printf "%.3f", (b > 0) ? a / b : 1 }')")
  done
  local med
  med=$(printf '%s\n' "${ratios[@]}" | median)
  echo "$name: median ratio $med over $runs runs ($(awk -v m="$med" -v g="$goal" 'BEGIN { print (m <= g) ? "within" : "OVER" }') the $goal goal)"
}

"$trackwell" --device "$work/disc.cue" --rip 1 --format wav --offline --output "$work/out" >/dev/null
cd-paranoia -q -c -d "$work/disc.cue" -w 1 "$work/paranoia.wav" >/dev/null 2>&1
cmp -s <(tail -c +45 "$work/out/Track01.wav") <(tail -c +45 "$work/paranoia.wav") \
  || { echo "bench: trackwell and cd-paranoia wrote different audio" >&2; exit 1; }
echo "Ripping a $minutes-minute image to WAV; the audio matches cd-paranoia's byte for byte"
compare "trackwell / cd-paranoia" 1.0 \
  "$trackwell" --device "$work/disc.cue" --rip 1 --format wav --offline --output "$work/out" -- \
  cd-paranoia -q -c -d "$work/disc.cue" -w 1 "$work/paranoia.wav"
compare "one WAVE file per track / one BINARY file" 1.05 \
  "$trackwell" --device "$work/waves.cue" --rip all --format wav --offline --output "$work/waves" -- \
  "$trackwell" --device "$work/single.cue" --rip all --format wav --offline --output "$work/single"
for i in 1 2 3; do
  cmp -s "$work/waves/Track0$i.wav" "$work/single/Track0$i.wav" || { echo "bench: track $i differs" >&2; exit 1; }
done

#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Trackwell needs.
# Idempotent: when nothing is missing it only asks dpkg and returns.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # program
  qt6-base-dev libgl-dev libcdio-dev libcdio-paranoia-dev libmp3lame-dev libsoxr-dev zlib1g-dev libtag1-dev libflac-dev
  fonts-dejavu-core
  # tests, benchmarks, fuzzing
  libgtest-dev libgmock-dev libbenchmark-dev libpixman-1-dev libdiscid-dev
  clang libclang-rt-14-dev
  mpg123 lame time cd-paranoia flac ffmpeg
  # the real-window check: a private X server, X input and screenshots
  xvfb xauth xdotool x11-apps
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}" >&2
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq </dev/null
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null

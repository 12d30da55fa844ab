#!/usr/bin/env bash
# Renders every gallery sheet (each mode in each look, the generated skin in its four filters, a hue and
# brightness shift, the effects) into OUT_DIR. With --against BEFORE_DIR it then compares each sheet
# byte for byte with the one of the same name there and exits 1 naming every sheet that differs, so a
# change meant to keep the pixels can prove it did.
#
#   scripts/gallery_sheets.sh BUILD_DIR OUT_DIR [--against BEFORE_DIR]
set -euo pipefail

build=${1:?usage: gallery_sheets.sh BUILD_DIR OUT_DIR [--against BEFORE_DIR]}
out=${2:?usage: gallery_sheets.sh BUILD_DIR OUT_DIR [--against BEFORE_DIR]}
against=""
if [[ ${3:-} == --against ]]; then against=${4:?--against needs a folder}; fi

[[ -x $build/bin/trackwell-gallery ]] || { echo "no $build/bin/trackwell-gallery: build the tree first" >&2; exit 2; }
mkdir -p "$out"
out=$(cd "$out" && pwd)
# The main window shows its output folder beside the executable: the gallery runs from one fixed place,
# so that sheets of different checkouts compare.
stage=${TMPDIR:-/tmp}/trackwell-gallery-sheets/bin
rm -rf "$stage"
mkdir -p "$stage/Output"
cp -r "$build/bin/trackwell-gallery" "$build/bin/libcdrip.so" "$build/bin/liblame_enc.so" "$build/bin/demo" \
    "$build/bin/skins" "$build/bin/web" "$stage/"
gallery="$stage/trackwell-gallery"
skin="$stage/skins/TrackwellSlate"
export QT_QPA_PLATFORM=offscreen

looks=(Default Flat OfficeXP OSXTiger "$skin.uskn" "$skin.zvkn" "$skin.xskn" "$skin.mskn")
failed=0
render() {  # name, then the gallery's arguments
    local name=$1; shift
    if ! "$gallery" "$@" --out "$out/$name.png" >/dev/null 2>"$out/$name.err"; then
        echo "failed: $name ($(head -c 300 "$out/$name.err"))" >&2
        failed=1
    fi
    rm -f "$out/$name.err"
}

for look in "${looks[@]}"; do
    tag=$(basename "$look")
    render "elements-$tag" --theme "$look"
done
for mode in controls window menu main-window about message-box; do
    for look in None "${looks[@]}"; do
        tag=$(basename "$look")
        render "$mode-$tag" "--$mode" --theme "$look"
    done
done
render "elements-OSXTiger-hue40-brightness-20" --theme OSXTiger --hue 40 --brightness -20
render "controls-skin-hue-60" --controls --theme "$skin.zvkn" --hue -60
render effects --effects

((failed == 0)) || exit 1
echo "$(ls "$out"/*.png | wc -l) sheets in $out"

if [[ -n $against ]]; then
    differ=0
    for sheet in "$out"/*.png; do
        name=$(basename "$sheet")
        if [[ ! -f $against/$name ]]; then
            echo "new: $name"
        elif ! cmp -s "$sheet" "$against/$name"; then
            echo "differs: $name"
            differ=1
        fi
    done
    for sheet in "$against"/*.png; do
        [[ -f $out/$(basename "$sheet") ]] || { echo "missing: $(basename "$sheet")"; differ=1; }
    done
    ((differ == 0)) && echo "every sheet byte-identical to $against"
    exit $differ
fi

#!/bin/sh
# Installs the build into a scratch prefix and checks that a user gets what the desktop needs:
# the program on the path, its run-time libraries and web pages beside it, the desktop entry and
# the icons; then runs the installed program on the demo disc.
# usage: check_install.sh BUILD_DIR DEMO_DISC
set -eu
build=$1
disc=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for file in bin/trackwell lib/trackwell/trackwell lib/trackwell/libcdrip.so lib/trackwell/liblame_enc.so \
            lib/trackwell/web/index.html lib/trackwell/web/support.htm share/applications/trackwell.desktop \
            share/icons/hicolor/16x16/apps/trackwell.png share/icons/hicolor/48x48/apps/trackwell.png \
            share/icons/hicolor/256x256/apps/trackwell.png; do
  [ -e "$prefix/$file" ] || fail "$file is missing"
done
[ -x "$prefix/bin/trackwell" ] || fail "bin/trackwell is not executable"

entry="$prefix/share/applications/trackwell.desktop"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Trackwell' 'Exec=trackwell' 'Icon=trackwell'; do
  grep -qxF "$line" "$entry" || fail "the desktop entry lacks \"$line\""
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "the desktop entry does not validate"
fi
# The support page the program's links open names the mail address the about window shows.
grep -q 'mailto:' "$prefix/lib/trackwell/web/support.htm" || fail "support.htm has no mail address"

# Started through the link on the path, the program finds its libraries beside itself.
listing=$("$prefix/bin/trackwell" --device "$disc" --list) || fail "the installed program failed on the demo disc"
echo "$listing" | grep -q '^Track03' || fail "the installed program listed no tracks: $listing"
echo "install: complete"

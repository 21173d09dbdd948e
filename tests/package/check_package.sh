#!/usr/bin/env bash
# Builds the Debian package from a build directory, checks its files and fields, unpacks it
# and starts the unpacked program for a moment.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; fail cpack; }
deb=$(ls "$work"/vuvere-rovivudevu_1.0.0_*.deb) || fail "no package in $(ls "$work")"
id=de.qrw.VuvereRovivudevu
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/vuvere-rovivudevu usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/{scalable/apps/$id.svg,{16x16,24x24,32x32,48x48,64x64,96x96,128x128}/apps/$id.png} \
    usr/share/doc/vuvere-rovivudevu/{copyright,changelog.gz} usr/share/man/{,de/}man6/vuvere-rovivudevu.6.gz; do
    grep -q " \./$path\$" <<<"$contents" || fail "$path is not in the package"
done
# Each field and a word it must hold.
for field in "Package vuvere-rovivudevu" "Depends libqt6widgets6" "Recommends fonts-liberation2" \
    "Recommends sound-theme-freedesktop" "Recommends libcanberra-pulse"; do
    [[ $(dpkg-deb -f "$deb" "${field% *}") == *"${field#* }"* ]] || fail "$field: not in the field"
done
grep -E '^[EW]: |lintian: command not found' <(lintian "$deb" 2>&1) && fail "lintian: errors or warnings above"

dpkg-deb -x "$deb" "$work/root"
file -b "$work/root/usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q SVG || fail "the icon is no SVG picture"
# Still running after two seconds (timeout's 124) means it started; anything else is a crash.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
    timeout 2 "$work/root/usr/bin/vuvere-rovivudevu" || status=$?
[ "$status" -eq 124 ] || fail "the unpacked program ended with status $status"
echo "PASS: $(basename "$deb")"

#!/usr/bin/env bash
# Builds the packages as `make package` does (the tests just ran on their own), checks the .deb's
# fields, lintian on the upload and the hardening. debian/tests/ checks the installed program.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
DEB_BUILD_OPTIONS=nocheck "$(dirname "$0")/../../scripts/package.sh" "$work" \
    >"$work/build.log" 2>&1 || { tail -40 "$work/build.log"; fail "the package build"; }
deb=$(ls "$work"/vuvere-rovivudevu_*.deb) || fail "no package in $(ls "$work")"
dpkg-deb -x "$deb" "$work/root"
for path in usr/share/metainfo/de.qrw.VuvereRovivudevu.metainfo.xml \
    usr/share/doc/vuvere-rovivudevu/{copyright,changelog.gz}; do
    [ -f "$work/root/$path" ] || fail "$path is not in the package"
done
# Each field and a word it must hold.
for field in "Depends libqt6widgets6" "Depends qt6-translations-l10n" \
    "Recommends fonts-liberation2" "Recommends sound-theme-freedesktop" \
    "Recommends libcanberra-pulse"; do
    [[ $(dpkg-deb -f "$deb" "${field% *}") == *"${field#* }"* ]] || fail "$field: not in the field"
done
# Debian 13's lintian fails the metainfo on any appstreamcli warning, so its tag may stand where
# the installed tree passes the metainfo test's check, which allows only the missing homepage.
"$(dirname "$0")/validate_metainfo.sh" "$work/root" || fail "the installed metainfo"
lintian=$(lintian --info --pedantic "$work"/*.changes 2>&1) || true
echo "$lintian"
grep -E '^[EW]: |lintian: command not found' <<<"$lintian" |
    grep -v ': appstream-metadata-validation-failed' && fail "lintian: errors or warnings above"
# hardening-check cannot see fortification with no call left to guard, nor control-flow protection
# with start files that lack the CET note (Debian 12 and 13): the build log shows those two flags.
# Debian 13's also asks amd64 programs for arm64's branch protection.
skip=(--nofortify --nocfprotection)
[[ $(dpkg --print-architecture) != arm64 && $(hardening-check --help) == *nobranchprotection* ]] &&
    skip+=(--nobranchprotection)
hardening-check "${skip[@]}" "$work/root/usr/bin/vuvere-rovivudevu" || fail "hardening"
calls=$(grep -E 'c\+\+ .* -o \S+\.o -c ' "$work/build.log") || fail "no compiler call in the log"
grep -vE -- '-D_FORTIFY_SOURCE=.* -fcf-protection|-fcf-protection.* -D_FORTIFY_SOURCE=' \
    <<<"$calls" && fail "compiled without _FORTIFY_SOURCE or control-flow protection"
echo "PASS: $(basename "$deb")"

#!/usr/bin/env bash
# Builds the Debian source and binary packages as Debian does, in a clean copy of this tree under
# $1 (build/deb by default), where the results land. dpkg-buildpackage checks the build
# dependencies and installs none: `make test` or `make run` installs them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/build/deb}")
src="$out/vuvere-rovivudevu-$(dpkg-parsechangelog -l "$top/debian/changelog" -SVersion)"
rm -rf "$src" "$out"/vuvere-rovivudevu_*
mkdir -p "$src"
tar -C "$top" --exclude=./.git --exclude=./build --exclude='./build-*' --exclude='./obj-*' -cf - . |
    tar -C "$src" -xf -
cd "$src"
dpkg-buildpackage -us -uc -Jauto
echo "Packages in $out:" "$(cd "$out" && ls -- *.deb)"

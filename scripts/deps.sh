#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, but only those
# that are missing: a quick no-op when everything is there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    libcanberra-dev sound-theme-freedesktop fonts-liberation2 qt6-translations-l10n
    xvfb xauth xdotool xclip x11-utils imagemagick libx11-dev
    dbus dbus-x11 at-spi2-core python3 python3-pyatspi procps
    orca speech-dispatcher speech-dispatcher-espeak-ng openbox
    desktop-file-utils appstream dpkg-dev file lintian debhelper devscripts
    mmdebstrap  # makes the Debian 13 tree of `make test-debian13`
)
# The format test keeps the format of Debian 12's clang-format; other releases skip it.
[ "$(. /etc/os-release && echo "$VERSION_CODENAME")" = bookworm ] && packages+=(clang-format)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# A fresh machine has no package lists until the first update.
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when they are missing.
set -euo pipefail
packages=(cmake make g++ pkg-config libsdl2-dev libx11-dev libxtst-dev libgtest-dev xvfb xdotool x11-utils openbox weston locales libncurses-dev clang-format)
# Installing and packaging: the icons drawn from SVG, the .deb, and the checks of both.
packages+=(librsvg2-bin dpkg-dev file desktop-file-utils appstream groff-base lintian)
# The pictures of the guide (make screenshots, and the test that they are current).
packages+=(libpng-dev)
missing=()
for p in "${packages[@]}" "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}. Install them as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

#!/usr/bin/env bash
# Installs what building, running and testing Lullwick needs on Debian 12 (run as root).
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev adwaita-qt6
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps openbox imagemagick dbus python3-dbusmock libglib2.0-bin groff-base
  desktop-file-utils appstream dpkg-dev file faketime pulseaudio pulseaudio-utils
  weston xwayland qt6-wayland
  g++-mingw-w64-x86-64-posix wine wine64
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

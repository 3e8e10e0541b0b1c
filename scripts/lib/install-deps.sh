#!/usr/bin/env bash
# Installs the Debian 12 packages Orvisnap needs to build, test and run; with the argument
# "windows" those of the Windows build made here (MinGW-w64, Wine, NSIS) instead. Safe to run
# again: only missing packages are installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  fonts-dejavu-core fonts-comic-neue fonts-liberation2 fonts-wqy-microhei
  xvfb xauth x11-apps imagemagick librsvg2-bin xdotool tmux
  lrzsz clang-format qt6-l10n-tools qt6-translations-l10n
  desktop-file-utils appstream dpkg-dev file
  clang libclang-rt-14-dev
)
if [ "${1:-}" = "windows" ]; then
  packages=(
    cmake ninja-build qt6-base-dev qt6-base-dev-tools
    g++-mingw-w64-x86-64-posix wine wine64 nsis zip unzip xz-utils
    xvfb xauth xdotool imagemagick qt6-l10n-tools qt6-translations-l10n
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

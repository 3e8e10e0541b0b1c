#!/usr/bin/env bash
# Builds Orvisnap for 64-bit Windows on this Debian machine: installs what is missing, configures
# with the project's MinGW-w64 toolchain against a Qt for MinGW (scripts/lib/qt-mingw.sh), builds
# orvisnap.exe, orvisnap-capture.exe and the tests, lays out the portable folder and packs the
# zip and the installer:
#     BUILD_DIR/bin/                        the programs and tests, runnable under Wine
#     BUILD_DIR/Orvisnap-VERSION-win64/     the portable folder
#     BUILD_DIR/Orvisnap-VERSION-win64.zip  the same, zipped
#     BUILD_DIR/Orvisnap-VERSION-win64-setup.exe  the installer
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-windows}"
"$root/scripts/lib/install-deps.sh" windows
if ! qt="$("$root/scripts/lib/qt-mingw.sh")"; then
  # A machine without the SDK at hand builds it once from Debian's source (about 40 minutes).
  [ "${ORVISNAP_QT_BUILD_IF_MISSING:-0}" = "1" ] || exit 1
  echo "== No Qt for MinGW-w64 at hand: building it (scripts/build-qt-mingw.sh)"
  "$root/scripts/build-qt-mingw.sh" "$root/build-qt-mingw"
  qt="$root/build-qt-mingw/qt6-mingw64"
fi

echo "== Windows build in $build (Qt: $qt)"
ORVISNAP_QT_MINGW="$qt" BUILD_DIR="$build" "$root/scripts/lib/build.sh" windows

version="$(sed -n 's/^project(Orvisnap VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
portable="$build/Orvisnap-$version-win64"
rm -rf "$portable"
cmake --install "$build" --prefix "$portable" --strip >/dev/null
(cd "$build" && cpack -G ZIP >/dev/null && cpack -G NSIS >/dev/null)
echo "Portable folder: $portable"
ls -l "$build/Orvisnap-$version-win64.zip" "$build/Orvisnap-$version-win64-setup.exe"

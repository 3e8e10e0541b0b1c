#!/usr/bin/env bash
# Prints the folder of the Qt for MinGW-w64 that the Windows build uses (the folder with
# lib/cmake/Qt6). ORVISNAP_QT_MINGW may name that folder or its .tar.xz; otherwise the SDK in
# ../shared/qt6-mingw64 beside the repository, or one built here before, is used. A tarball is
# unpacked once, into ORVISNAP_QT_CACHE (default ~/.cache/orvisnap). scripts/build-qt-mingw.sh
# makes the SDK from Debian's source where neither is at hand.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
source="${ORVISNAP_QT_MINGW:-$root/../shared/qt6-mingw64/qt6-mingw64-6.4.2.tar.xz}"
# One that scripts/build-qt-mingw.sh made here before.
if [ -z "${ORVISNAP_QT_MINGW:-}" ] && [ ! -e "$source" ] &&
  [ -d "$root/build-qt-mingw/qt6-mingw64/lib/cmake/Qt6" ]; then
  source="$root/build-qt-mingw/qt6-mingw64"
fi
cache="${ORVISNAP_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvisnap}"

if [ -d "$source" ]; then
  [ -d "$source/lib/cmake/Qt6" ] || { echo "qt-mingw.sh: $source holds no lib/cmake/Qt6" >&2; exit 1; }
  (cd "$source" && pwd)
  exit 0
fi
if [ ! -f "$source" ]; then
  cat >&2 <<MSG
qt-mingw.sh: no Qt for MinGW-w64 at $source.
Set ORVISNAP_QT_MINGW to the unpacked SDK or its .tar.xz, or build it from Debian's source:
    scripts/build-qt-mingw.sh
MSG
  exit 1
fi
stamp="$(sha256sum "$source" | cut -c1-16)"
target="$cache/qt-mingw-$stamp"
if [ ! -d "$target/qt6-mingw64/lib/cmake/Qt6" ]; then
  echo "Unpacking $source into $target" >&2
  rm -rf "$target.partial"
  mkdir -p "$target.partial"
  tar xJf "$source" -C "$target.partial"
  rm -rf "$target"
  mv "$target.partial" "$target"
fi
echo "$target/qt6-mingw64"

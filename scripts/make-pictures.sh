#!/bin/sh
# Regenerates the built-in pictures and the application icon from tools/make-pictures.
# The output is checked in; rerunning this must leave `git status` clean.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-make-pictures"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target make-pictures -j2
QT_QPA_PLATFORM=offscreen "$build/tools/make-pictures/make-pictures" \
    "$root/resources/pictures" "$root/resources/orvisnap.ico"
echo "Pictures written to $root/resources/pictures and $root/resources/orvisnap.ico"

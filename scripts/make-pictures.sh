#!/bin/sh
# Regenerates the built-in pictures and the application icon from tools/make-pictures.
# The output is checked in; rerunning this must leave `git status` clean.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-make-pictures"

BUILD_DIR="$build" "$root/scripts/lib/build.sh" bench make-pictures
QT_QPA_PLATFORM=offscreen "$build/tools/make-pictures/make-pictures" \
    "$root/resources/pictures" "$root/resources/orvisnap.ico"
echo "Pictures written to $root/resources/pictures and $root/resources/orvisnap.ico"

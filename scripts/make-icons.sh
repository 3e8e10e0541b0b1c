#!/usr/bin/env bash
# Renders the desktop icon set from its hand-written SVG (32 px and up) and from the About
# dialog's 16-pixel logo (16 px, pixel for pixel), then the Windows icon: the 16-pixel
# application icon with 256 colours and the rendered sizes up to 256 px in one .ico. The
# files are checked in; rerunning this must leave `git status` clean. Uses rsvg-convert
# (librsvg2-bin) and ImageMagick, installed when missing.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/lib/install-deps.sh"
icons="$root/resources/linux/icons/hicolor"
id=org.orvisnap.Orvisnap
svg="$icons/scalable/apps/$id.svg"

for size in 16 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
done
# No time stamps in the files, so that they come out the same byte for byte.
convert "$root/resources/pictures/ICO16.bmp" -strip -define png:exclude-chunks=date,time \
    "PNG32:$icons/16x16/apps/$id.png"
for size in 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$icons/${size}x${size}/apps/$id.png"
done
ico_sizes=()
for size in 32 48 64 128 256; do
    ico_sizes+=("$icons/${size}x${size}/apps/$id.png")
done
convert "$root/resources/pictures/APPICON.bmp" "${ico_sizes[@]}" -strip \
    -define png:exclude-chunks=date,time "$root/resources/windows/orvisnap.ico"
echo "Icons written to $icons and $root/resources/windows/orvisnap.ico"

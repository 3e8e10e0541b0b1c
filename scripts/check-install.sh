#!/usr/bin/env bash
# Install and package checks on a finished build: an install into a temporary DESTDIR holds
# the program, its desktop entry, metainfo, icons and documents; the desktop and AppStream
# validators accept them; the Debian package builds and lists the same files.
set -euo pipefail
build="$(cd "${1:?usage: check-install.sh BUILD_FOLDER}" && pwd)"
id=org.orvisnap.Orvisnap
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

files=(
  usr/bin/orvisnap
  usr/bin/orvisnap-capture
  usr/share/man/man1/orvisnap-capture.1
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/doc/orvisnap/README.md
  usr/share/doc/orvisnap/LICENSE
)
for language in de es fr it ja pl pt_BR ru zh_CN; do
  files+=("usr/share/orvisnap/translations/orvisnap_$language.qm")
done
for size in 16 32 48 64 128 256; do
  files+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done

fail() { echo "check-install: $*" >&2; exit 1; }

echo "== Install into a temporary DESTDIR"
DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
for f in "${files[@]}"; do
  [ -f "$stage/root/$f" ] || fail "not installed: /$f"
done
for program in orvisnap orvisnap-capture; do
  [ -x "$stage/root/usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done
"$stage/root/usr/bin/orvisnap-capture" --version >/dev/null || fail "orvisnap-capture does not run"

echo "== desktop-file-validate"
desktop-file-validate "$stage/root/usr/share/applications/$id.desktop"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$stage/root/usr/share/metainfo/$id.metainfo.xml"

echo "== Debian package"
(cd "$build" && cpack -G DEB -B "$stage/package" >/dev/null)
debs=("$stage"/package/*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no .deb"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")"
[ "$(dpkg-deb -f "${debs[0]}" Package)" = orvisnap ] || fail "package name"
[ "$(dpkg-deb -f "${debs[0]}" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "${debs[0]}" Depends | grep -q libqt6serialport6 || fail "no shared-library dependencies"
dpkg-deb -f "${debs[0]}" Recommends | grep -q qt6-translations-l10n ||
  fail "Qt's own translations not recommended"
dpkg-deb -f "${debs[0]}" Recommends | grep -q fonts-wqy-microhei ||
  fail "no face with Chinese and Japanese characters recommended"
listing="$(dpkg-deb -c "${debs[0]}")"
for f in "${files[@]}"; do
  grep -q " \./$f\$" <<<"$listing" || fail "not in the package: /$f"
done
echo "Install and package checks passed: ${#files[@]} files, $(basename "${debs[0]}")"

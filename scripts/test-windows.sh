#!/usr/bin/env bash
# The Windows part of the tests: builds for Windows (scripts/build-windows.sh), then on a
# virtual display and in a Wine prefix of this run's own runs the Windows test executables
# through CTest and the end-to-end tests on a Wine COM port (tests/windows/endtoend.sh), which
# need the Linux build's simulated instrument.
#     scripts/test-windows.sh [WINDOWS_BUILD [LINUX_BUILD]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
win="${1:-$root/build-windows}"
linux="${2:-$root/build}"
[ -x "$linux/tools/dsosim/dsosim" ] ||
  { echo "test-windows.sh: no simulated instrument in $linux (scripts/build.sh $linux)" >&2; exit 1; }
# The test command must work on any fresh machine: without the Qt SDK it builds one.
ORVISNAP_QT_BUILD_IF_MISSING=1 "$root/scripts/build-windows.sh" "$win"
win="$(cd "$win" && pwd)"

display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
export WINEPREFIX="$win/wine-prefix" WINEDEBUG=-all
cleanup() { wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -f "$display_file"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$display_file")"
export DISPLAY

echo "== Wine prefix $WINEPREFIX"
rm -rf "$WINEPREFIX"
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"
# One Wine server for all tests: otherwise each test that finds none starts its own, and two
# starting at once can leave one of them hanging.
wineserver -p
wine cmd /c exit >/dev/null 2>&1
echo "== Windows tests under Wine"
(cd "$win" && ctest --output-on-failure -j2 --timeout 600)
wineserver -k # the end-to-end tests wait for Wine's processes to end, so no lasting server
echo "== Windows programs end to end under Wine"
"$root/tests/windows/endtoend.sh" "$win" "$linux"

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
[ -x "$linux/bin/dsosim" ] ||
  { echo "test-windows.sh: no simulated instrument in $linux (scripts/lib/build.sh normal)" >&2; exit 1; }
# The test command must work on any fresh machine: without the Qt SDK it builds one.
ORVISNAP_QT_BUILD_IF_MISSING=1 "$root/scripts/build-windows.sh" "$win"
win="$(cd "$win" && pwd)"

# shellcheck source=scripts/lib/virtual-display.sh
source "$root/scripts/lib/virtual-display.sh"
start_virtual_display
export WINEPREFIX="$win/wine-prefix" WINEDEBUG=-all
cleanup() { wineserver -k 2>/dev/null || true; kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; }
trap cleanup EXIT

echo "== Wine prefix $WINEPREFIX"
rm -rf "$WINEPREFIX"
"$root/scripts/lib/wine-prefix.sh" "$WINEPREFIX"
# One Wine server for all tests: otherwise each test that finds none starts its own, and two
# starting at once can leave one of them hanging.
wineserver -p
wine cmd /c exit >/dev/null 2>&1
echo "== Windows tests under Wine"
# Without a window manager Wine waits up to a second for every shown or hidden window that it
# leaves to one; the tests' windows are its own (the end-to-end tests keep the default).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
(cd "$win" && ctest --output-on-failure -j2 --timeout 600)
wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
wineserver -k # the end-to-end tests wait for Wine's processes to end, so no lasting server
echo "== Windows programs end to end under Wine"
"$root/tests/windows/endtoend.sh" "$win" "$linux"

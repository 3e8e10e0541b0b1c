#!/usr/bin/env bash
# Runs one Windows test executable under Wine: CTest's emulator in the Windows build (see
# cmake/mingw-w64-x86_64.cmake). Needs WINEPREFIX (scripts/lib/wine-prefix.sh makes one) and an X
# display, which Qt's event dispatcher needs under Wine even for the offscreen platform.
# Without a console QtTest sends its report to the debugger channel, so it goes through a file.
set -uo pipefail
exe="${1:?usage: wine-test.sh PROGRAM.exe [ARGUMENTS]}"
shift
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-test.sh: WINEPREFIX and DISPLAY must be set (scripts/test-windows.sh sets both)" >&2
  exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
report="$(mktemp --suffix=.txt)"
trap 'rm -f "$report"' EXIT
wine "$exe" "$@" -o "Z:${report//\//\\},txt"
status=$?
cat "$report"
exit "$status"

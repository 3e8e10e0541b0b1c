#!/usr/bin/env bash
# Makes a Wine prefix of the test run's own, anew, and points its COM ports at Linux devices
# (a simulated instrument's pty, for one):
#     scripts/lib/wine-prefix.sh PREFIX [N=DEVICE ...]      e.g.  9=/tmp/orvisnap-dso-0
# Wine opens "\\.\COMn" through the link PREFIX/dosdevices/comN. The links Wine makes for the
# machine's own serial ports are removed, so that only the given ports exist.
set -euo pipefail
prefix="${1:?usage: wine-prefix.sh PREFIX [N=DEVICE ...]}"
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
if [ ! -f "$prefix/system.reg" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
rm -f "$prefix"/dosdevices/com[0-9]*
for port in "$@"; do
  ln -s "${port#*=}" "$prefix/dosdevices/com${port%%=*}"
done

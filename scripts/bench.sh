#!/usr/bin/env bash
# Builds the transfer benchmark (Release, folder build-bench) and runs it. Arguments choose the
# sample files (small, medium, large; default all three). The last two lines are
# capture_ratio_to_line=Z.ZZ (orvisnap-capture on the medium file) and
# ratio_to_line=X.XX ratio_to_rx=Y.YY naks=N. It takes about six minutes; run it on
# an otherwise idle machine, since the receiver's timing shares the processor.
# With a Windows build (ORVISNAP_BENCH_WINDOWS, default build-windows when it holds one; see
# scripts/build-windows.sh) orvisnap-capture.exe also runs under Wine on a virtual display, and
# the capture line gains wine_capture_ratio_to_line=W.WW.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$root/build-bench"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target orvisnap-bench orvisnap-capture dsosim -j2
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

windows="${ORVISNAP_BENCH_WINDOWS:-$root/build-windows}"
capture_exe="$windows/bin/orvisnap-capture.exe"
if [ -f "$capture_exe" ] && command -v wine >/dev/null && command -v Xvfb >/dev/null; then
  # shellcheck source=scripts/virtual-display.sh
  source "$root/scripts/virtual-display.sh"
  start_virtual_display 1024x768x24
  export WINEPREFIX="$dir/wine-prefix" WINEDEBUG=-all
  trap 'wineserver -k 2>/dev/null || true; kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
  "$root/scripts/wine-prefix.sh" "$WINEPREFIX"
  export ORVISNAP_BENCH_WINE_CAPTURE="$capture_exe"
  "$dir/bench/orvisnap-bench" "$@"
else
  exec "$dir/bench/orvisnap-bench" "$@"
fi

#!/usr/bin/env bash
# Builds the benchmarks (Release, folder build-bench) and runs one.
#
#     scripts/bench.sh [small] [medium] [large]
# The transfer benchmark on the chosen sample files (default all three). The last two lines are
# capture_ratio_to_line=Z.ZZ (orvisnap-capture on the medium file) and
# ratio_to_line=X.XX ratio_to_rx=Y.YY naks=N. It takes about six minutes; run it on
# an otherwise idle machine, since the receiver's timing shares the processor.
# With a Windows build (ORVISNAP_BENCH_WINDOWS, default build-windows when it holds one; see
# scripts/build-windows.sh) orvisnap-capture.exe also runs under Wine on a virtual display, and
# the capture line gains wine_capture_ratio_to_line=W.WW.
#
#     scripts/bench.sh startup [--wine] [--runs N] [--idle SECONDS]
# The start-up benchmark: the window program and a bare Qt window (a main window with a menu bar
# and a status bar) started in turn on a virtual display (Xvfb), N times each (12), each timed
# from its process start to the X server's mapping of its window; then each idles SECONDS (2)
# shown, and is closed with SIGTERM. The last line is startup_ratio=R and the medians (start,
# processor time until the window shows), the context switches per idle second and SIGTERM to
# exit, for both. --wine then does the same for the Windows build under Wine (closed by its
# close box: Windows has no signals), a line that begins wine_startup_ratio=. About a minute and
# a half, four with --wine; run it on an otherwise idle machine.
#
#     scripts/bench.sh captures [--count N] [--runs N]
# The captures benchmark: a temporary captures folder filled with N (1000) pictures of a
# 320 x 240 oscilloscope screen with notes, then, as medians of R (7) runs: the capture file
# names (paths_ms), the listing with every capture's text fields (list_ms) and the first 40
# thumbnails at 160 x 120 (thumbnails_40_ms), and the captures window made, filled from the
# folder and drawn once (window_open_ms). The last line is captures_window_open_ms=O
# captures_list_ms=L. About ten seconds once built.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$root/build-bench"
windows="${ORVISNAP_BENCH_WINDOWS:-$root/build-windows}"

# A built program by name: BUILD/bin when the build puts its programs there, else wherever it
# left it.
program() {
  if [ -x "$1/bin/$2" ]; then echo "$1/bin/$2"; return; fi
  find "$1" \( -name CMakeFiles -o -name _CPack_Packages -o -name 'Orvisnap-*' \) -prune -o \
    -type f -name "$2" -perm -u+x -print -quit
}

# The settings a user who has started the program before has: no first-run dialog, and a port,
# so that no "No COM ports" message stands in for the window.
bench_settings() { # INI_FILE [DEVICE for COM9]
  printf '[Common]\r\nCreationTime=2026-01-01 00:00:00\r\nBMPRes=2\r\n[ComPort]\r\nPort=9\r\n' >"$1"
  if [ -n "${2:-}" ]; then printf '[Ports]\r\nCOM9=%s\r\n' "$2" >>"$1"; fi
}

startup() {
  local wine=0 args=()
  while [ $# -gt 0 ]; do
    case "$1" in
      --wine) wine=1; shift ;;
      --runs|--idle) args+=("$1" "$2"); shift 2 ;;
      *) echo "usage: $0 startup [--wine] [--runs N] [--idle SECONDS]" >&2; exit 2 ;;
    esac
  done
  "$root/scripts/lib/build.sh" bench orvisnap orvisnap-bare-window orvisnap-startup-bench
  local app bare meter
  app="$(program "$dir" orvisnap)"
  bare="$(program "$dir" orvisnap-bare-window)"
  meter="$(program "$dir" orvisnap-startup-bench)"
  [ -n "$meter" ] || { echo "orvisnap-startup-bench was not built (needs libxcb1-dev)" >&2; exit 1; }
  work="$(mktemp -d)"
  # shellcheck source=scripts/lib/virtual-display.sh
  source "$root/scripts/lib/virtual-display.sh"
  start_virtual_display 1280x1024x24
  trap 'wineserver -k 2>/dev/null || true; kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; rm -rf "$work"' EXIT
  unset QT_QPA_PLATFORM
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
  bench_settings "$(dirname "$app")/Orvisnap.ini" /dev/null
  "$meter" --folder "$work" "${args[@]}" "$app" "$bare"
  if [ "$wine" = 1 ]; then
    local exe="$windows/bin/orvisnap.exe" ini="$windows/bin/Orvisnap.ini"
    [ -f "$windows/bin/orvisnap-bare-window.exe" ] ||
      { echo "no Windows build in $windows (scripts/build-windows.sh)" >&2; exit 1; }
    export WINEPREFIX="$dir/wine-prefix" WINEDEBUG=-all
    "$root/scripts/lib/wine-prefix.sh" "$WINEPREFIX" 9=/dev/null
    wineserver -p # kept running: every start finds it, as on a desktop where Wine already runs
    # The portable folder's settings are the build's own: put back afterwards.
    [ -f "$ini" ] && cp "$ini" "$work/windows.ini"
    bench_settings "$ini"
    echo
    echo "== Windows build under Wine"
    "$meter" --folder "$work" --launcher wine --close-box "${args[@]}" "$exe" \
      "$windows/bin/orvisnap-bare-window.exe" | sed '$s/^/wine_/; $s/ \([a-z]\)/ wine_\1/g'
    if [ -f "$work/windows.ini" ]; then cp "$work/windows.ini" "$ini"; else rm -f "$ini"; fi
  fi
  echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
}

if [ "${1:-}" = "startup" ]; then
  shift
  startup "$@"
  exit
fi

if [ "${1:-}" = "captures" ]; then
  shift
  "$root/scripts/lib/build.sh" bench orvisnap-captures-bench
  QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" exec "$(program "$dir" orvisnap-captures-bench)" "$@"
fi

"$root/scripts/lib/build.sh" bench orvisnap-bench orvisnap-capture dsosim
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

capture_exe="$windows/bin/orvisnap-capture.exe"
if [ -f "$capture_exe" ] && command -v wine >/dev/null && command -v Xvfb >/dev/null; then
  # shellcheck source=scripts/lib/virtual-display.sh
  source "$root/scripts/lib/virtual-display.sh"
  start_virtual_display 1024x768x24
  export WINEPREFIX="$dir/wine-prefix" WINEDEBUG=-all
  trap 'wineserver -k 2>/dev/null || true; kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
  "$root/scripts/lib/wine-prefix.sh" "$WINEPREFIX"
  export ORVISNAP_BENCH_WINE_CAPTURE="$capture_exe"
  "$dir/bench/orvisnap-bench" "$@"
else
  exec "$dir/bench/orvisnap-bench" "$@"
fi

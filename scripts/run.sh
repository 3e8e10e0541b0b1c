#!/usr/bin/env bash
# Installs what is missing, builds the program and the simulated instrument (not the tests),
# and starts Orvisnap in a working folder of its own, build/run (TMP.BMP goes there). Without an
# instrument at hand it also starts the simulated oscilloscope on a pseudo-terminal and maps it
# as COM9 in the settings file beside the executable, so that "Download from DSO" fetches a
# picture from it. ORVISNAP_NO_SIM=1 skips the simulated instrument.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/lib/install-deps.sh"
"$root/scripts/lib/build.sh" normal orvisnap dsosim

app="$root/build/bin/orvisnap"
ini="$root/build/bin/Orvisnap.ini"
work="$root/build/run"
mkdir -p "$work"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<'MSG'
Orvisnap is built, but there is no display to show its window on.
On a machine without a display, run it on a virtual one (Debian package xvfb):
    xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run.sh
or start Xvfb yourself and point DISPLAY at it:
    Xvfb :99 -screen 0 1280x1024x24 &
    DISPLAY=:99 scripts/run.sh
MSG
  exit 1
fi

if [ "${ORVISNAP_NO_SIM:-0}" != "1" ]; then
  link="/tmp/orvisnap-dso-$(id -u)"
  sample="$root/build/demo-screen.bmp"
  "$root/build/bin/dsosim" --make-bmp medium "$sample"
  "$root/build/bin/dsosim" --loop --file "$sample" --start-delay-ms 1500 --eot-repeats 0 \
    --link "$link" > "$root/build/dsosim.log" 2>&1 &
  sim=$!
  trap 'kill "$sim" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  # Map the simulated instrument as COM9 (the program itself never writes [Ports]).
  if ! grep -qs "COM9=$link" "$ini"; then
    if grep -qis '^\[Ports\]' "$ini"; then
      sed -i "/^\[[Pp][Oo][Rr][Tt][Ss]\]/a COM9=$link\r" "$ini"
    else
      printf '[Ports]\r\nCOM9=%s\r\n' "$link" >> "$ini"
    fi
  fi
  if ! grep -qis '^\[ComPort\]' "$ini"; then
    printf '[ComPort]\r\nPort=9\r\n' >> "$ini"
  fi
  echo "Simulated oscilloscope on $link, mapped as COM9 in $ini."
  echo "Press \"Download from DSO\"; the instrument starts sending 1.5 s later (about 12 s"
  echo "for the picture at 38400 baud)."
  echo "(If another port is selected, choose COM9 in Settings > Comport settings.)"
fi

echo "Working folder (TMP.BMP): $work"
cd "$work"
"$app"

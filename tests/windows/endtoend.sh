#!/usr/bin/env bash
# The Windows programs end to end under Wine, on a real Wine COM port: the simulated instrument
# on a pty behind COM9 of a Wine prefix, and behind COM45, which is registered as Windows
# registers its ports. orvisnap-capture.exe receives pictures byte for byte, also through line
# faults and after another program left flow control on the port, lists the ports, and gives up
# at the start time-out; the serial unit lists every registered port and survives a line closed
# inside its own wait; orvisnap.exe downloads with one click and keeps its settings beside
# itself; the installer installs a program that starts and its uninstaller removes it again.
#     tests/windows/endtoend.sh WINDOWS_BUILD LINUX_BUILD
# Needs DISPLAY and WINEPREFIX (scripts/test-windows.sh sets both up).
set -euo pipefail
win="$(cd "${1:?usage: endtoend.sh WINDOWS_BUILD LINUX_BUILD}" && pwd)"
linux="$(cd "${2:?usage: endtoend.sh WINDOWS_BUILD LINUX_BUILD}" && pwd)"
root="$(cd "$(dirname "$0")/../.." && pwd)"
: "${WINEPREFIX:?}" "${DISPLAY:?}"
export WINEDEBUG=-all
dsosim="$linux/bin/dsosim"
version="$(sed -n 's/^project(Orvisnap VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
work="$(mktemp -d)"
link="$work/dso"
sim=""
passed=0

cleanup() {
  if [ -n "$sim" ]; then kill "$sim" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "endtoend: FAIL: $*" >&2; exit 1; }
pass() { passed=$((passed + 1)); echo "endtoend: ok: $*"; }

# The simulated instrument behind COM9, with the given options; stopped by the next start.
start_sim() {
  stop_sim
  "$dsosim" --link "$link" "$@" >"$work/sim.log" 2>&1 &
  sim=$!
  for _ in $(seq 50); do [ -e "$link" ] && return; sleep 0.1; done
  fail "the simulated instrument did not start: $(cat "$work/sim.log")"
}
stop_sim() {
  if [ -n "$sim" ]; then kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; fi
  sim=""
}
"$root/scripts/lib/wine-prefix.sh" "$WINEPREFIX" "9=$link" "45=$link"
# Windows lists every serial port under SERIALCOMM; Wine lists there only the ports it found
# itself. HKLM\HARDWARE is volatile: the entries live as long as this Wine server, which stays
# until the installer's part.
wineserver -p >/dev/null 2>&1
serialcomm='HKLM\HARDWARE\DEVICEMAP\SERIALCOMM'
for port in 'Serial8 COM9' 'USBSER044 COM45'; do
  wine reg add "$serialcomm" /v "\\Device\\${port% *}" /t REG_SZ /d "${port#* }" /f \
    >/dev/null 2>&1 || fail "${port#* } could not be registered"
done

# What the instrument sends, as the programs keep it: colour-table entry 1 recoloured, and for
# the working file the XModem padding too.
patched() {
  cp "$1" "$2"
  printf '\x00\xff\xf0' | dd of="$2" bs=1 seek=58 conv=notrunc status=none
}
padded() {
  cp "$1" "$2"
  local size; size=$(stat -c %s "$1")
  head -c $(( (128 - size % 128) % 128 )) /dev/zero | tr '\0' '\032' >>"$2"
}
"$dsosim" --make-bmp small "$work/small.bmp"
"$dsosim" --make-bmp medium "$work/medium.bmp"
patched "$work/small.bmp" "$work/small.expected"
patched "$work/medium.bmp" "$work/medium.expected"

capture() { # OUTPUT_DIR ARGUMENTS...: exit status of orvisnap-capture.exe
  local dir="$1"; shift
  mkdir -p "$dir"
  (cd "$dir" && timeout 120 wine "$win/bin/orvisnap-capture.exe" --port COM9 --quiet "$@" \
    >"$dir/out.txt" 2>&1)
}

echo "== orvisnap-capture.exe on COM9"
start_sim --file "$work/medium.bmp"
capture "$work/c-clean" --output shot.bmp || fail "clean capture: $(cat "$work/c-clean/out.txt")"
cmp -s "$work/c-clean/shot.bmp" "$work/medium.expected" || fail "clean capture differs"
pass "a 320x240 picture, byte for byte"
for fault in "--corrupt-crc 2,5" "--noise-before 3" "--stall 4:400" "--lost-ack 2" \
  "--burst-ms 16"; do
  name="${fault// /}"
  # shellcheck disable=SC2086 # the fault's words are separate options
  start_sim --file "$work/small.bmp" $fault
  capture "$work/c$name" --output shot.bmp || fail "$fault: $(cat "$work/c$name/out.txt")"
  cmp -s "$work/c$name/shot.bmp" "$work/small.expected" || fail "$fault: the picture differs"
  pass "through $fault"
done
# Every byte value through the line (XON and XOFF among them), kept as received since it is no
# picture, after another program left XON/XOFF and the handshakes on the port (Wine keeps them
# in the pty's settings): the port is set to binary without flow control.
# shellcheck disable=SC2059 # each byte is made by its own octal escape
for _ in 1 2 3 4; do for i in $(seq 0 255); do printf "\\$(printf %03o "$i")"; done; done \
  >"$work/bytes.bin"
padded "$work/bytes.bin" "$work/bytes.expected"
start_sim --file "$work/bytes.bin"
wine "$win/bin/comstate.exe" leave COM9 || fail "comstate.exe could not set COM9"
status=0
wine "$win/bin/comstate.exe" show COM9 >/dev/null || status=$?
[ "$status" -eq 1 ] || fail "comstate.exe did not leave flow control on COM9"
status=0
capture "$work/c-bytes" --output shot.bmp || status=$?
[ "$status" -eq 5 ] || fail "every byte value: exit status $status, not 5 (no picture)"
cmp -s "$work/c-bytes/shot.bmp.raw" "$work/bytes.expected" || fail "every byte value: bytes differ"
left="$(wine "$win/bin/comstate.exe" show COM9)" || fail "flow control left on COM9: $left"
pass "all 256 byte values arrive unchanged over a port left with flow control, which is off after"
wine "$win/bin/orvisnap-capture.exe" --list-ports >"$work/ports.txt" 2>&1 ||
  fail "--list-ports: $(cat "$work/ports.txt")"
tr -d '\r' <"$work/ports.txt" | grep -Fx -e $'COM9\t\\\\.\\COM9' -e $'COM45\t\\\\.\\COM45' |
  cut -f1 | paste -sd' ' | grep -qx 'COM9 COM45' || fail "--list-ports: $(cat "$work/ports.txt")"
pass "--list-ports lists COM9 and COM45, in this order"
start_sim --file "$work/small.bmp"
capture "$work/c-com45" --port COM45 --output shot.bmp ||
  fail "COM45: $(cat "$work/c-com45/out.txt")"
cmp -s "$work/c-com45/shot.bmp" "$work/small.expected" || fail "COM45: the picture differs"
pass "a capture through COM45, byte for byte"
start_sim --file "$work/small.bmp"
"$root/cmake/wine-test.sh" "$win/bin/test_wineports.exe" >"$work/wineports.txt" 2>&1 ||
  fail "test_wineports.exe: $(grep -v '^PASS' "$work/wineports.txt")"
pass "the serial unit lists COM9 and COM45 in the COM dialog, and a line closed from its own tidings"
start_sim --file "$work/small.bmp" --close-after 3
status=0
capture "$work/c-closed" --output shot.bmp || status=$?
[ "$status" -eq 6 ] || fail "closed line: exit status $status, not 6"
pass "a line closed after block 3: exit status 6, the line is lost"
status=0
capture "$work/c-missing" --port COM12 --output shot.bmp || status=$?
if [ "$status" -ne 3 ] || ! grep -q "The device is not there" "$work/c-missing/out.txt"; then
  fail "missing port: exit status $status: $(cat "$work/c-missing/out.txt")"
fi
pass "a port that is not there: exit status 3, \"The device is not there\""
start_sim --file "$work/small.bmp" --start-delay-ms 30000
status=0
capture "$work/c-timeout" --timeout 1 --output shot.bmp || status=$?
[ "$status" -eq 4 ] || fail "start time-out: exit status $status, not 4"
[ ! -e "$work/c-timeout/shot.bmp" ] || fail "start time-out left a picture"
pass "exit status 4 at the start time-out"
start_sim --file "$work/small.bmp" --cancel-after 3 --loop
status=0
capture "$work/c-gives-up" --output shot.bmp || status=$?
[ "$status" -eq 9 ] || fail "an instrument that gives up: exit status $status, not 9"
pass "an instrument that gives up after block 3: exit status 9"
start_sim --file "$work/small.bmp" --silent-after 3
status=0
capture "$work/c-silent" --timeout 1 --output shot.bmp || status=$?
[ "$status" -eq 10 ] || fail "an instrument that falls silent: exit status $status, not 10"
grep -q "The instrument stopped sending" "$work/c-silent/out.txt" ||
  fail "silent: $(cat "$work/c-silent/out.txt")"
pass "an instrument that falls silent after block 3: asked again, then exit status 10"

# The window: a portable folder whose settings file names COM9 and is not a first run.
window_id() { xdotool search --onlyvisible --name "^Orvisnap 0\\.1\$" 2>/dev/null | head -n1; }
wait_for() { # SECONDS COMMAND...: until the command succeeds
  local until=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $until ] || return 1; sleep 0.25; done
}
window_shown() { [ -n "$(window_id)" ]; }
exited() { ! kill -0 "$1" 2>/dev/null; }
close_window() { # PID: as the close box does, then until the process has ended
  # A close request reaches each window once; one that a dialog (the first start's COM
  # settings) blocked at that moment is asked again.
  for _ in $(seq 10); do
    wine taskkill /im orvisnap.exe >/dev/null 2>&1 || true
    wait_for 3 exited "$1" && return
  done
  fail "the window did not close"
}

echo "== orvisnap.exe on COM9"
portable="$work/Orvisnap-$version-win64"
cp -r "$win/Orvisnap-$version-win64" "$portable"
printf '[Common]\r\nCreationTime=2026-01-01 00:00:00\r\n[ComPort]\r\nPort=9\r\n' \
  >"$portable/Orvisnap.ini"
mkdir -p "$work/w"
start_sim --file "$work/small.bmp" --start-delay-ms 500 --eot-repeats 0
padded "$work/small.expected" "$work/tmp.expected"
(cd "$work/w" && exec wine "$portable/orvisnap.exe" >"$work/window.log" 2>&1) &
app=$!
wait_for 60 window_shown || fail "the window did not show"
sleep 1
# "Download from DSO": right of the 256x128 picture panel, under the menu bar.
xdotool mousemove --window "$(window_id)" 310 40 click 1
same_working_file() { cmp -s "$work/w/TMP.BMP" "$work/tmp.expected"; }
wait_for 60 same_working_file || fail "TMP.BMP is not the picture that was sent"
pass "one click on \"Download from DSO\": TMP.BMP byte for byte"
sleep 1
import -window root "$win/endtoend-window.png"
close_window "$app"
grep -q $'^Port=9\r$' "$portable/Orvisnap.ini" || fail "the settings were not written at close"
grep -q $'^BMPRes=2\r$' "$portable/Orvisnap.ini" || fail "the settings file lacks BMPRes"
pass "closed in order: Orvisnap.ini written beside the executable"
stop_sim

wineserver -k # the installer's part waits for Wine's processes to end

echo "== Installer"
setup="$win/Orvisnap-$version-win64-setup.exe"
installed="$WINEPREFIX/drive_c/Program Files/Orvisnap"
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvisnap'
timeout 300 wine "$setup" /S || fail "the silent install failed"
wineserver -w
for file in orvisnap.exe orvisnap-capture.exe Qt6Core.dll platforms/qwindows.dll \
  styles/qwindowsvistastyle.dll libstdc++-6.dll Uninstall.exe translations/orvisnap_de.qm \
  translations/qtbase_de.qm; do
  [ -f "$installed/$file" ] || fail "not installed: $file"
done
wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
  fail "no Apps & features entry with version $version"
find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Orvisnap/Orvisnap.lnk' | grep -q . ||
  fail "no Start-menu entry"
pass "silent install: program, Apps & features entry, Start-menu entry"
# The same version again, as an upgrade: the old one goes first, one entry stays.
timeout 300 wine "$setup" /S || fail "the install over an installed version failed"
wineserver -w
[ -f "$installed/orvisnap.exe" ] || fail "the install over an installed version left no program"
[ "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null |
  grep -c '\\Orvisnap')" -eq 1 ] || fail "not exactly one Apps & features entry after an upgrade"
pass "an install over the installed version"
(cd "$installed" && exec wine "$installed/orvisnap.exe" >"$work/installed.log" 2>&1) &
app=$!
wait_for 60 window_shown || fail "the installed program did not start"
close_window "$app"
[ -f "$user_dir/AppData/Local/Orvisnap/Orvisnap.ini" ] ||
  fail "the installed program did not keep its settings in %LOCALAPPDATA%\\Orvisnap"
[ ! -e "$installed/Orvisnap.ini" ] || fail "the installed program wrote into its own folder"
pass "the installed program starts and keeps its settings in %LOCALAPPDATA%\\Orvisnap"
timeout 300 wine "$installed/Uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
wait_for 30 test ! -e "$installed/orvisnap.exe" || fail "the uninstaller left the program"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left its registry entry"; fi
pass "the uninstaller removes program and entry"

echo "endtoend: $passed passed, 0 failed"

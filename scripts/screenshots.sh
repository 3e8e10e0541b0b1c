#!/usr/bin/env bash
# Makes the pictures in docs/ from the real program: the window on a virtual display (Xvfb),
# driven with xdotool, downloads from the simulated instrument; orvisnap-capture runs in a tmux
# pane, which is drawn as a picture with ImageMagick. Both run from a folder of their own, so the
# build folder's settings file stays as it is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/lib/install-deps.sh"
"$root/scripts/lib/build.sh" normal
build="$root/build"
docs="$root/docs"
mkdir -p "$docs"

work="$(mktemp -d)"
tmux_socket="orvisnap-shots-$$"
pids=()
cleanup() {
  # The window first (it writes its settings), the instrument, then the display.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  tmux -L "$tmux_socket" kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local seconds="$1"; shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  echo "screenshots: timed out waiting for: $*" >&2
  return 1
}

# PNG without time stamps, so that an unchanged picture gives an unchanged file.
keep() {
  convert "$1" -strip -define png:exclude-chunks=date,time "$docs/$2"
  echo "docs/$2"
}

# shellcheck source=scripts/lib/virtual-display.sh
source "$root/scripts/lib/virtual-display.sh"
start_virtual_display
pids+=("$VIRTUAL_DISPLAY_PID")

link="$work/dso"
"$build/bin/dsosim" --make-bmp medium "$work/screen.bmp"
"$build/bin/dsosim" --loop --file "$work/screen.bmp" --start-delay-ms 500 \
  --eot-repeats 0 --link "$link" >"$work/dsosim.log" 2>&1 &
pids+=($!)
wait_for 10 test -e "$link"

# The programs beside a settings file of their own: the simulated instrument as COM9, the
# largest picture area, the window in the display's corner.
mkdir "$work/bin" "$work/run"
cp "$build/bin/orvisnap" "$build/bin/orvisnap-capture" "$work/bin/"
printf '[Common]\r\nCreationTime=2026-01-01 00:00:00\r\nLeft=0\r\nTop=0\r\nBMPRes=3\r\n' \
  >"$work/bin/Orvisnap.ini"
printf '[ComPort]\r\nPort=9\r\n[Ports]\r\nCOM9=%s\r\n' "$link" >>"$work/bin/Orvisnap.ini"

(cd "$work/run" && exec "$work/bin/orvisnap") >"$work/orvisnap.log" 2>&1 &
pids+=($!)
window_id() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { test -n "$(window_id "$1")"; }
wait_for 20 has_window '^Orvisnap '
window="$(window_id '^Orvisnap ')"
height() { xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p'; }
# The client area at 512x256 without the log is 610 x 293; the rest is the menu bar.
menu_bar=$(($(height) - 293))
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }
# "Settings" in the menu bar (after "File", with the display's DejaVu fonts); its items are then
# chosen with the arrow keys.
settings_menu() {
  click 62 $((menu_bar / 2))
  sleep 0.4
  xdotool key "$@" Return
}

settings_menu Up # "Logging", the last item
log_shown() { test "$(height)" -gt $((menu_bar + 293)); }
wait_for 5 log_shown
click 566 $((menu_bar + 27)) # "Download from DSO": 72 x 41 at 530, 7 of the client area
wait_for 60 grep -q '^summary' "$work/dsosim.log"
sleep 1
xdotool mousemove 1200 1000
import -window "$window" "$work/shot.png"
keep "$work/shot.png" main-window.png

geometry="$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p;s/^HEIGHT=//p' |
  paste -sd x)"
click 120 $((menu_bar + 90)) 3 # the picture's context menu
sleep 0.6
import -window root -crop "${geometry}+0+0" +repage "$work/shot.png" # the window and its menu
keep "$work/shot.png" picture-menu.png
xdotool key Escape

settings_menu Down # "Comport settings"
wait_for 10 has_window '^COM settings$'
sleep 0.4
import -window "$(window_id '^COM settings$')" "$work/shot.png"
keep "$work/shot.png" com-settings.png
xdotool key Return

settings_menu Down Down # "Timings"
wait_for 10 has_window '^Timings$'
sleep 0.4
import -window "$(window_id '^Timings$')" "$work/shot.png"
keep "$work/shot.png" timings.png

# orvisnap-capture on a terminal: one capture done, a second one under way.
tmux -L "$tmux_socket" -f /dev/null new-session -d -x 80 -y 7 -s shots -c "$work/run" \
  "env PATH='$work/bin:$PATH' PS1='\$ ' bash --norc --noprofile -i"
pane() { tmux -L "$tmux_socket" capture-pane -p -t shots; }
pane_has() { pane | grep -q "$1"; }
type_line() { tmux -L "$tmux_socket" send-keys -t shots "$1" Enter; }
wait_for 5 pane_has '\$'
type_line 'orvisnap-capture --port COM9 --output scope.png'
wait_for 60 pane_has '^scope.png: '
sleep 1.5 # the instrument waits a second for an answer to its EOT; a request then would be lost
type_line 'orvisnap-capture --port COM9 --printable --output paper.png'
wait_for 30 pane_has '^ *[4-9][0-9]%'
pane | awk 'NF { last = NR } { line[NR] = $0 } END { for (i = 1; i <= last; i++) print line[i] }' \
  >"$work/pane.txt"
convert -background '#1d1f21' -fill '#d8d8d8' -font DejaVu-Sans-Mono -pointsize 14 \
  label:"$(sed 's/%/%%/g' "$work/pane.txt")" -bordercolor '#1d1f21' -border 14 "$work/shot.png"
keep "$work/shot.png" capture-terminal.png

#!/usr/bin/env bash
# Makes the pictures in docs/ from the real program: the window on a virtual display (Xvfb),
# driven with xdotool and the keyboard, downloads from the simulated instrument; orvisnap-capture
# runs in a tmux pane, which is drawn as a picture with ImageMagick. Both run from a folder of
# their own, so the build folder's settings file stays as it is.
#     scripts/screenshots.sh [LANGUAGE] [--scale FACTOR]     e.g.  de --scale 2
# With a language (de, fr, zh_CN, ...; en for the source texts) or a scale (1.5, 2) the window,
# the dialogs and the picture menu go to build/screenshots/LANGUAGE-FACTORx instead, for looking
# at cut or overlapping texts; the capture tool speaks English only, so it is left out there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
language=""
scale=1
while [ $# -gt 0 ]; do
  case "$1" in
    --scale) scale="$2"; shift 2 ;;
    -*) echo "usage: $0 [LANGUAGE] [--scale FACTOR]" >&2; exit 2 ;;
    *) language="$1"; shift ;;
  esac
done
"$root/scripts/lib/install-deps.sh"
"$root/scripts/lib/build.sh" normal
build="$root/build"
docs="$root/docs"
if [ -n "$language" ] || [ "$scale" != 1 ]; then
  docs="$build/screenshots/${language:-en}-${scale}x"
fi
mkdir -p "$docs"
# Hundredths of the scale, for pixel arithmetic; at(X) is X design pixels on the screen.
percent="$(awk -v s="$scale" 'BEGIN { printf "%d", s * 100 + 0.5 }')"
at() { echo $(($1 * percent / 100)); }

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
  echo "$docs/$2"
}

# shellcheck source=scripts/lib/virtual-display.sh
source "$root/scripts/lib/virtual-display.sh"
if [ "$percent" -gt 100 ]; then start_virtual_display 2560x1600x24; else start_virtual_display; fi
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
if [ -n "$language" ]; then printf 'Language=%s\r\n' "$language" >>"$work/bin/Orvisnap.ini"; fi
printf '[ComPort]\r\nPort=9\r\n[Ports]\r\nCOM9=%s\r\n' "$link" >>"$work/bin/Orvisnap.ini"
cp -r "$build/bin/translations" "$work/bin/"

(cd "$work/run" && QT_SCALE_FACTOR="$scale" exec "$work/bin/orvisnap") >"$work/orvisnap.log" 2>&1 &
app=$!
pids+=("$app")
window_id() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { test -n "$(window_id "$1")"; }
wait_for 20 has_window '^Orvisnap '
window="$(window_id '^Orvisnap ')"
height() { xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p'; }
# The client area at 512x256 without the log is 610 x 293 design pixels; the rest is the menu
# bar.
menu_bar=$(($(height) - $(at 293)))
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }
# "Settings" is the menu bar's second menu: F10 enters the menu bar, Right goes on to it, Down
# opens it with its first item chosen; the arrow keys go on from there, whatever the language.
settings_menu() {
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  xdotool key F10
  sleep 0.3
  xdotool key Right Down
  sleep 0.4
  xdotool key "$@" Return
}
# The window of the program other than the main window: a dialog just opened.
dialog_id() {
  xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$window" | tail -n1
}
has_dialog() { test -n "$(dialog_id)"; }
no_dialog() { test -z "$(dialog_id)"; }

settings_menu Up # "Logging", the last item
log_shown() { test "$(height)" -gt $((menu_bar + $(at 293))); }
wait_for 5 log_shown
# "Download from DSO": 72 x 41 (or wider for a translation) at 530, 7 of the client area.
click "$(at 545)" $((menu_bar + $(at 27)))
wait_for 60 grep -q '^summary' "$work/dsosim.log"
sleep 1
xdotool mousemove 1200 1000
import -window "$window" "$work/shot.png"
keep "$work/shot.png" main-window.png

geometry="$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p;s/^HEIGHT=//p' |
  paste -sd x)"
click "$(at 120)" $((menu_bar + $(at 90))) 3 # the picture's context menu
sleep 0.6
import -window root -crop "${geometry}+0+0" +repage "$work/shot.png" # the window and its menu
keep "$work/shot.png" picture-menu.png
xdotool key Escape

settings_menu # "Comport settings", the first item
wait_for 10 has_dialog
sleep 0.4
import -window "$(dialog_id)" "$work/shot.png"
keep "$work/shot.png" com-settings.png
xdotool key Return
wait_for 10 no_dialog

settings_menu Down # "Timings"
wait_for 10 has_dialog
sleep 0.4
timings="$(dialog_id)"
import -window "$timings" "$work/shot.png"
keep "$work/shot.png" timings.png

if [ "$docs" != "$root/docs" ]; then
  # The About card, opened from the keyboard as well once a click on the status bar has given
  # the main window the focus again: F10, then left to "About".
  click 10 $(($(height) - 5))
  sleep 0.3
  xdotool key F10
  sleep 0.3
  xdotool key Left Return
  about_shown() { dialog_id | grep -vqx "$timings"; }
  wait_for 10 about_shown
  sleep 0.4
  import -window "$(dialog_id | grep -vx "$timings" | tail -n1)" "$work/shot.png"
  keep "$work/shot.png" about.png
  exit 0
fi

# The captures window: a note typed on each picture, then the two compared in each way. The
# download's picture was kept; an earlier one of the session is made from it, its trace moved a
# little in one place.
kept="$(ls "$work/bin/captures"/DSO_*.png | head -n1)"
convert "$kept" -region 120x60+180+90 -roll +0+10 +region -strip \
  "$work/bin/captures/DSO_2026-01-01_09-00-00.png"
click 10 $(($(height) - 5))
sleep 0.3
xdotool key ctrl+k
wait_for 10 has_window '^Captures$'
captures="$(window_id '^Captures$')"
xdotool windowfocus --sync "$captures"
note() { xdotool key F2; xdotool type --delay 20 "$1"; xdotool key Return; sleep 0.3; }
note "CH1 after the change"
xdotool key shift+Tab Down
note "CH1 before"
xdotool key shift+Tab Up
sleep 0.4
import -window "$captures" "$work/shot.png"
keep "$work/shot.png" captures-window.png
xdotool key shift+Down ctrl+m
wait_for 10 has_window '^Compare pictures$'
compare="$(window_id '^Compare pictures$')"
xdotool windowfocus --sync "$compare"
sleep 0.5
for mode in 1:side-by-side 3:difference 2:blink; do
  xdotool key "${mode%%:*}"
  sleep 0.6
  import -window "$compare" "$work/shot.png"
  keep "$work/shot.png" "compare-${mode#*:}.png"
done
xdotool key Escape
xdotool windowfocus --sync "$captures"
xdotool key Escape

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

#!/usr/bin/env bash
# The soak (not a test; CI does not run it). Builds Release into build-soak, then:
#  1. clicks the window's download (offscreen, one process) again and again against the
#     simulated instrument, which puts a random fault into every transfer (a wrong CRC, noise, a
#     stall, a lost ACK, now and then a closed line), and compares each picture with what was sent;
#  2. starts the installed program on a virtual display again and again and asks it to close
#     (SIGTERM) while it is idle, waits for the instrument, receives, shows a message box or a
#     file dialog, with two busy processes keeping both cores occupied, and times each close
#     until the process has ended.
# Options: --downloads N (200), --closes N (25), --seed S (from the clock; printed, so a run can
# be repeated). Everything goes to build-soak/soak.log too. The last line is
#   soak: downloads=N ok=N wrong=N rss_growth_kb=X close_ms_max=Y
# (rss_growth_kb: resident memory after the last download minus after the tenth). Exit status 0
# when wrong=0, rss_growth_kb < 2048 and close_ms_max < 1000.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$root/build-soak"
downloads=200
closes=25
seed=$(( $(date +%s) % 100000 ))
while [ $# -gt 0 ]; do
  case "$1" in
    --downloads) downloads="$2"; shift 2 ;;
    --closes) closes="$2"; shift 2 ;;
    --seed) seed="$2"; shift 2 ;;
    *) echo "usage: $0 [--downloads N] [--closes N] [--seed S]" >&2; exit 2 ;;
  esac
done

"$root/scripts/lib/install-deps.sh"
"$root/scripts/lib/build.sh" soak orvisnap orvisnap-capture orvisnap-soak dsosim
# The window program as a package installs it: settings in the configuration folder.
cmake --install "$dir" --prefix "$dir/install" >/dev/null

soak="$dir/tools/soak/orvisnap-soak"
cd "$dir" # the soak's folders, and the stacks of a program that did not end, go here
log="$dir/soak.log"
started=$(date +%s)
echo "soak: seed $seed" | tee "$log"
status=0
QT_QPA_PLATFORM=offscreen "$soak" downloads "$downloads" "$seed" | tee -a "$log" || status=1
xvfb-run -a -s "-screen 0 1280x1024x24" "$soak" closes "$dir/install/bin/orvisnap" "$closes" \
  "$seed" | tee -a "$log" || status=1
echo "soak: took $(( $(date +%s) - started )) s" | tee -a "$log"

value() { grep -o "$1=-\?[0-9]*" "$log" | tail -1 | cut -d= -f2; }
n=$(value downloads); ok=$(value ok); wrong=$(value wrong)
growth=$(value rss_growth_kb); close=$(value close_ms_max)
echo "soak: downloads=${n:-0} ok=${ok:-0} wrong=${wrong:-?} rss_growth_kb=${growth:-?} close_ms_max=${close:-?}" \
  | tee -a "$log"
if [ "$status" -ne 0 ] || [ "${wrong:-1}" -ne 0 ] || [ "${growth:-2048}" -ge 2048 ] ||
   [ "${close:-1000}" -ge 1000 ]; then
  exit 1
fi

# shellcheck shell=bash
# Sourced by the scripts that need a display where there is none: starts Xvfb on a free
# display number, exports DISPLAY and sets VIRTUAL_DISPLAY_PID for the caller to stop it.
#     start_virtual_display [WIDTHxHEIGHTxDEPTH]
# shellcheck disable=SC2120 # the size is optional
start_virtual_display() {
  local size="${1:-1280x1024x24}" number_file
  number_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  # shellcheck disable=SC2034 # the caller stops it
  VIRTUAL_DISPLAY_PID=$!
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
  if [ ! -s "$number_file" ]; then
    rm -f "$number_file"
    echo "Xvfb did not start" >&2
    return 1
  fi
  DISPLAY=":$(head -n1 "$number_file")"
  export DISPLAY
  rm -f "$number_file"
}

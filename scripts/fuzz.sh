#!/usr/bin/env bash
# Builds the fuzz targets (clang++, libFuzzer, ASan + UBSan, folder build-fuzz) and runs one:
# first every input in its regression corpus once, then fuzzing for SECONDS from its seeds,
# its regressions and what earlier runs found (kept in build-fuzz/corpus/TARGET). An input
# that fails is saved in build-fuzz/artifacts/TARGET/; once fixed, it belongs in
# fuzz/corpus/TARGET/regressions. Further arguments go to libFuzzer (for example -max_len=8192).
# The last line sums the run up. With --list it only builds and names the targets.
#   scripts/fuzz.sh TARGET SECONDS [libFuzzer options]
#   scripts/fuzz.sh --list
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
if [ "${1:-}" != "--list" ] && [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options] | scripts/fuzz.sh --list" >&2
  exit 2
fi

"$root/scripts/lib/build.sh" fuzz >&2
if [ "$1" = "--list" ]; then
  cat "$build/fuzz-targets.txt"
  exit 0
fi
target="$1"; seconds="$2"; shift 2
if ! grep -qx "$target" "$build/fuzz-targets.txt"; then
  echo "no fuzz target '$target'; there are: $(tr '\n' ' ' < "$build/fuzz-targets.txt")" >&2
  exit 2
fi

fuzzer="$build/fuzz/$target"
corpus="$root/fuzz/corpus/$target"
found="$build/corpus/$target"
artifacts="$build/artifacts/$target"
log="$build/logs/$target.log"
mkdir -p "$found" "$artifacts" "$(dirname "$log")"
# The settings target writes a file per input: keep that in memory where possible.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
options=(-artifact_prefix="$artifacts/" -timeout=10 -rss_limit_mb=2048)

shopt -s nullglob
regressions=("$corpus"/regressions/*)
inputs=("$found" "$corpus/seed")
: > "$log"
if [ ${#regressions[@]} -gt 0 ]; then
  inputs+=("$corpus/regressions")
  "$fuzzer" "${options[@]}" "${regressions[@]}" >> "$log" 2>&1 || {
    tail -n 30 "$log"; echo "$target: a regression input fails (log: $log)"; exit 1; }
fi

status=0
"$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$@" \
  "${inputs[@]}" 2>&1 | tee -a "$log" || status=$?
stats="$(grep -E '^#[0-9]+[[:space:]]+(DONE|pulse|NEW|REDUCE|INITED)' "$log" | tail -n 1 || true)"
summary="$(sed -nE \
  's/^#([0-9]+).* cov: ([0-9]+) ft: ([0-9]+) corp: ([^ ]+).*/\1 runs, cov \2, ft \3, corpus \4/p' \
  <<<"$stats")"
if [ "$status" -ne 0 ]; then
  echo "$target: FAILED after $summary; input saved in $artifacts (log: $log)"
  exit 1
fi
echo "$target: ${#regressions[@]} regression input(s) pass; ${seconds} s fuzzing: $summary"

#!/usr/bin/env bash
# The fuzzing part of the test command: builds the fuzz targets and runs each for a short time
# (FUZZ_SECONDS, 30 by default) after its whole regression corpus, one at a time. Prints one
# line per target, and the end of the fuzzer's output when one fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-30}"

echo "== Fuzz targets: regression corpus, then ${seconds} s each"
targets="$("$root/scripts/fuzz.sh" --list)"
failed=0
for target in $targets; do
  if ! "$root/scripts/fuzz.sh" "$target" "$seconds" > "$build/$target.out" 2>&1; then
    tail -n 40 "$build/$target.out"
    failed=1
  fi
  tail -n 1 "$build/$target.out"
done
exit "$failed"

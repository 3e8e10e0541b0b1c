#!/usr/bin/env bash
# Builds the transfer benchmark (Release, folder build-bench) and runs it. Arguments choose the
# sample files (small, medium, large; default all three). The last two lines are
# capture_ratio_to_line=Z.ZZ (orvisnap-capture on the medium file) and
# ratio_to_line=X.XX ratio_to_rx=Y.YY naks=N. It takes about six minutes; run it on
# an otherwise idle machine, since the receiver's timing shares the processor.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$root/build-bench"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target orvisnap-bench orvisnap-capture dsosim -j2
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$dir/bench/orvisnap-bench" "$@"

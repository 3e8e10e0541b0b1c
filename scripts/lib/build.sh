#!/usr/bin/env bash
# Configures with one of the presets of CMakePresets.json (normal, sanitizers, windows, fuzz,
# bench, soak) and builds, all targets or the ones named:
#     scripts/lib/build.sh PRESET [TARGET ...]
# BUILD_DIR, when set, replaces the preset's folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
preset="${1:?usage: build.sh PRESET [TARGET ...]}"
shift
configured="$(cd "$root" && cmake --preset "$preset" ${BUILD_DIR:+-B "$BUILD_DIR"})"
dir="$(sed -n 's/^-- Build files have been written to: //p' <<<"$configured")"
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$dir" "${targets[@]}" -j"$(nproc)"

#!/usr/bin/env bash
# Installs what is missing, checks that every translation is complete and matches the sources,
# builds, and runs all tests: once in a normal build with warnings as errors, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then each fuzz target briefly after its
# regression corpus; then the Windows build with its tests under Wine, end to end on a Wine COM
# port, and its packages.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/lib/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
"$root/scripts/lib/check-translations.sh"

echo "== Build and test (RelWithDebInfo)"
"$root/scripts/lib/build.sh" normal
(cd "$root/build" && ctest --output-on-failure -j2)
"$root/scripts/check-install.sh" "$root/build"

echo "== Build and test under ASan + UBSan"
"$root/scripts/lib/build.sh" sanitizers
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j2)
"$root/scripts/lib/fuzz-check.sh"

echo "== Windows: build with MinGW-w64, tests under Wine, packages"
"$root/scripts/test-windows.sh" "$root/build-windows" "$root/build"

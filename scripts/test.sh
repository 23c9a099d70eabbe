#!/usr/bin/env bash
# Builds everything twice — optimised, and with AddressSanitizer + UndefinedBehaviorSanitizer —
# and runs every test in both builds: unit, form and end-to-end tests (the last on a virtual
# X display of their own). Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
status=0
for preset in default sanitize; do
  echo "=== build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "=== test: $preset"
  # Sanitizer reports make a test fail; leaks inside the X and font libraries are theirs, not ours.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --preset "$preset" -j "$jobs" || status=1
done
exit $status

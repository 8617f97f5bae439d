#!/usr/bin/env bash
# Checks that every source is formatted, builds Strumix and runs every test headless, then the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Formatting first: a difference fails the run before anything is built.
scripts/check_format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --preset sanitize -j "$jobs"

# Any bytes opened as a page, for a bounded minute under libFuzzer (clang, its own build).
scripts/fuzz.sh 60

# Reached only when every step above passed (set -e stops at the first failure).
release=$(ctest --preset release -N | sed -n 's/^Total Tests: //p')
sanitized=$(ctest --preset sanitize -N | sed -n 's/^Total Tests: //p')
echo "suite: $((release + sanitized)) passed (release $release, sanitizers $sanitized), 0 failed"

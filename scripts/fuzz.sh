#!/usr/bin/env bash
# Builds the page-file fuzz target with clang and libFuzzer and runs it for a bounded time
# (seconds, default 60) from the tests' seed pictures. Fails on any crash, sanitizer report,
# oversized allocation or hang.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build/fuzz
CC=clang-14 CXX=clang++-14 cmake -S tests/fuzz -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" -j "$(nproc)"
rm -rf "$out/corpus" && mkdir -p "$out/corpus" "$out/crashes"
QT_QPA_PLATFORM=offscreen "$out/make_fuzz_seeds" "$out/corpus"
# One allocation above 300 MB or a resident size above 1 GB counts as a failure: the largest
# page is 64 MB, and reading is capped before pixels are allocated.
QT_QPA_PLATFORM=offscreen "$out/fuzz_open_page" -max_total_time="$seconds" -max_len=65536 \
    -timeout=25 -rss_limit_mb=1024 -malloc_limit_mb=300 -print_final_stats=1 \
    -artifact_prefix="$out/crashes/" "$out/corpus"

#!/usr/bin/env bash
# Builds Strumix and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target strumix
exec build/release/app/strumix "$@"

#!/usr/bin/env bash
# Fails, naming the files, when any C++ source the project keeps differs from what
# clang-format (the Debian 12 clang-format 14, with .clang-format) makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format)
bad=()
while IFS= read -r -d '' file; do
    if ! "$format" --dry-run --Werror "$file" >/dev/null 2>&1; then bad+=("$file"); fi
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#bad[@]} -gt 0 ]; then
    echo "not formatted as clang-format would (run: clang-format -i FILE):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "format: ${#bad[@]} files differ from clang-format"

#!/usr/bin/env bash
# Times File, Export from the command line (`strumix --export`) against ImageMagick's convert
# (Debian's /usr/bin/convert) on the start-up page and on the largest page, whole process to
# whole process, alternated, and prints the medians, their ratio and the files' sizes.
# Usage: bench/export.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
strumix=$build/app/strumix
convert=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
"$build/bench/page_files" "$work" 2>/dev/null

# Microseconds one command takes, exec to exit.
took() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

printf '%-22s %12s %12s %7s %12s %12s\n' "" "strumix us" "convert us" ratio "strumix B" "convert B"
for page in startup largest; do
    for kind in png pdf; do
        ours=()
        theirs=()
        for _ in $(seq "$runs"); do
            ours+=("$(took "$strumix" --export "$work/$page.s.$kind" "$work/$page.tab")")
            theirs+=("$(took "$convert" "bmp:$work/$page.tab" "$work/$page.c.$kind")")
        done
        s=$(printf '%s\n' "${ours[@]}" | median)
        c=$(printf '%s\n' "${theirs[@]}" | median)
        size=$(stat -c %s "$work/$page.c.$kind" 2>/dev/null || echo 0)
        ratio=$(awk -v s="$s" -v c="$c" 'BEGIN {printf "%.2f", s / c}')
        [ "$size" -gt 0 ] || { c=refused; ratio=-; size=-; }
        printf '%-22s %12s %12s %7s %12s %12s\n' "$page page as $kind" "$s" "$c" "$ratio" \
            "$(stat -c %s "$work/$page.s.$kind")" "$size"
    done
done

#!/usr/bin/env bash
# Measures Trawlbox's search over a tree of files side by side with cat, ripgrep on one thread and
# GNU grep, all reading the same files from the page cache, and prints each one's rate and the
# ratios. Usage: scripts/bench-search.sh [tree folder] [pattern] [build folder]
# The tree (1,600 files of 1 KiB to 8 MiB, about 1.4 GiB in nested folders, a third each of random
# bytes, text and binary mostly of zeros, the pattern planted in every 16th file) is generated when the folder has none yet. ripgrep is
# needed only here: apt-get install -y ripgrep.
set -euo pipefail

tree=${1:-/tmp/trawlbox-bench-tree}
pattern=${2:-Trawlbox}
build=${3:-$(dirname "$0")/../build}
bench=$build/bin/bench_search_tree
runs=5

[[ -x $bench ]] || { echo "build $bench first: cmake --build $build --target bench_search_tree" >&2; exit 1; }
command -v rg > /dev/null || { echo "ripgrep is missing: apt-get install -y ripgrep" >&2; exit 1; }

generate_tree() {
    echo "generating the tree in $tree ..."
    mkdir -p "$tree"
    # Sizes spread evenly over the logarithm between 1 KiB and 8 MiB, from a fixed seed.
    awk 'BEGIN { srand(8); for (i = 0; i < 1600; i++)
                   printf "%d/%d/%d %d %d\n", i % 8, int(i / 8) % 5, int(i / 40) % 4, i,
                          int(exp(log(1024) + rand() * (log(8388608) - log(1024)))) }' |
    while read -r folder number size; do
        mkdir -p "$tree/$folder"
        # Thirds of compressed-like random bytes, text lines and binary mostly of zero bytes.
        case $((number % 3)) in
            0) head -c "$size" /dev/urandom ;;
            1) head -c $((size * 57 / 77)) /dev/urandom | base64 -w 76 ;; # 57 bytes a 77-byte line
            2) head -c "$size" /dev/urandom | tr '\001-\277' '\000' ;;
        esac > "$tree/$folder/file$number.bin"
        if (( number % 16 == 0 && size > ${#pattern} )); then
            printf '%s' "$pattern" |
                dd of="$tree/$folder/file$number.bin" bs=1 seek=$((size / 2)) conv=notrunc status=none
        fi
    done
    touch "$tree/.generated"
}

[[ -e $tree/.generated ]] || generate_tree
bytes=$(find "$tree" -type f -name '*.bin' -printf '%s\n' | awk '{ s += $1 } END { print s }')
files=$(find "$tree" -type f -name '*.bin' | wc -l)
echo "tree: $tree, $files files, $bytes bytes; pattern: $pattern"

# Best wall-clock seconds of $runs runs; the command's output goes to $output.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
best_seconds() {
    local best=""
    for _ in $(seq "$runs"); do
        local start end seconds
        start=$(date +%s.%N)
        "$@" > "$output"
        end=$(date +%s.%N)
        seconds=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }')
        if [[ -z $best ]] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$seconds
        fi
    done
    echo "$best"
}

run_cat() { find "$tree" -type f -name '*.bin' -print0 | xargs -0 cat > /dev/null; }
# grep and rg print to a pipe: GNU grep stops at the first match when its output is /dev/null.
run_rg() { rg -j1 -a -b -o -F -- "$pattern" "$tree" | wc -l; }
run_grep() { grep -r -a -b -o -F -- "$pattern" "$tree" | wc -l; }
run_trawlbox() { "$bench" "$tree" "$pattern"; }

run_cat > /dev/null # into the page cache
cat_s=$(best_seconds run_cat)
trawlbox_s=$(best_seconds run_trawlbox)
trawlbox_hits=$(awk '/^hits/ { print $2 }' "$output")
rg_s=$(best_seconds run_rg)
rg_hits=$(cat "$output")
grep_s=$(best_seconds run_grep)
grep_hits=$(cat "$output")

awk -v bytes="$bytes" -v c="$cat_s" -v t="$trawlbox_s" -v r="$rg_s" -v g="$grep_s" \
    -v th="$trawlbox_hits" -v rh="$rg_hits" -v gh="$grep_hits" -v runs="$runs" 'BEGIN {
    printf "best of %d runs each, wall clock:\n", runs
    printf "  %-16s %8.3f s  %6.2f GB/s\n", "cat", c, bytes / c / 1e9
    printf "  %-16s %8.3f s  %6.2f GB/s  %d hits\n", "Trawlbox search", t, bytes / t / 1e9, th
    printf "  %-16s %8.3f s  %6.2f GB/s  %d hits\n", "rg -j1", r, bytes / r / 1e9, rh
    printf "  %-16s %8.3f s  %6.2f GB/s  %d hits\n", "grep -r", g, bytes / g / 1e9, gh
    printf "ratios of Trawlbox'\''s rate: %.2fx cat, %.2fx rg -j1, %.2fx grep -r\n", c / t, r / t, g / t
}'

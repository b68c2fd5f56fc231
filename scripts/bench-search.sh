#!/usr/bin/env bash
# Measures Trawlbox's search over two trees of files side by side with cat, ripgrep on one thread
# and on all, and GNU grep, all reading the same files from the page cache, and prints each one's
# median time and rate and the ratios. The tools take their turns round by round, so that a change
# in the machine's load falls on all of them alike; each time is the whole run, Trawlbox's with
# its listing of the tree as the window lists it, as the others' with their own walks.
# Usage: [ROUNDS=7] scripts/bench-search.sh [large tree folder] [small-file tree folder] [pattern] [build folder]
# The large tree: 1,600 files of 1 KiB to 8 MiB, about 1.4 GiB in nested folders, a third each of
# random bytes, text and binary mostly of zeros, the pattern planted in every 16th file. The
# small-file tree: 100,001 files of 1 to 8 KiB, about 345 MB in 10 folders of 10 subfolders of
# 1,000 files and one file at the top, the same thirds, the pattern planted at a random place in
# every 16th file, its bytes all from a fixed seed.
# Each tree is generated when the mark beside it (the folder's name and ".generated") is missing,
# so that the mark is no file of the tree. ripgrep is needed only here:
# apt-get install -y ripgrep; the small-file tree is written by python3.
set -euo pipefail

large_tree=${1:-/tmp/trawlbox-bench-tree}
large_tree=${large_tree%/}
small_tree=${2:-/tmp/trawlbox-bench-small-tree}
small_tree=${small_tree%/}
pattern=${3:-Trawlbox}
build=${4:-$(dirname "$0")/../build}
bench=$build/bin/bench_search_tree
rounds=${ROUNDS:-7}

[[ -x $bench ]] || { echo "build $bench first: cmake --build $build --target bench_search_tree" >&2; exit 1; }
command -v rg > /dev/null || { echo "ripgrep is missing: apt-get install -y ripgrep" >&2; exit 1; }

generate_large_tree() {
    local tree=$1
    echo "generating the large tree in $tree ..."
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
    touch "$tree.generated"
}

generate_small_tree() {
    local tree=$1
    echo "generating the small-file tree in $tree ..."
    python3 - "$tree" "$pattern" <<'EOF'
import base64, math, os, random, sys
tree, pattern = sys.argv[1], sys.argv[2].encode()
generator = random.Random(14)
zeros = bytes.maketrans(bytes(range(1, 0o300)), bytes(0o277))
def write(path, number):
    # Sizes spread evenly over the logarithm between 1 and 8 KiB.
    size = int(math.exp(math.log(1024) + generator.random() * (math.log(8192) - math.log(1024))))
    kind = number % 3
    if kind == 0:
        data = generator.randbytes(size)
    elif kind == 1:
        data = base64.encodebytes(generator.randbytes(size * 57 // 77)) # 76 letters and LF a line
    else:
        data = generator.randbytes(size).translate(zeros)
    if number % 16 == 0:
        at = generator.randrange(len(data) - len(pattern))
        data = data[:at] + pattern + data[at + len(pattern):]
    with open(path, "wb") as file:
        file.write(data)
number = 0
for top in range(10):
    for sub in range(10):
        folder = os.path.join(tree, "folder%d" % top, "sub%d" % sub)
        os.makedirs(folder, exist_ok=True)
        for _ in range(1000):
            write(os.path.join(folder, "file%d.bin" % number), number)
            number += 1
write(os.path.join(tree, "one more.bin"), number)
EOF
    touch "$tree.generated"
}

[[ -e $large_tree.generated ]] || generate_large_tree "$large_tree"
[[ -e $small_tree.generated ]] || generate_small_tree "$small_tree"

output=$(mktemp)
trap 'rm -f "$output"' EXIT

# Each tool reads every file of the tree and prints its hit count. grep and rg print to a pipe:
# GNU grep stops at the first match when its output is /dev/null.
run_cat() { find "$1" -type f -name '*.bin' -print0 | xargs -0 cat > /dev/null; echo -; }
run_trawlbox() { "$bench" "$1" "$pattern" | awk '/^hits/ { print $2 }'; }
run_rg1() { rg -j1 -a -b -o -F -- "$pattern" "$1" | wc -l; }
run_rg() { rg -a -b -o -F -- "$pattern" "$1" | wc -l; }
run_grep() { grep -r -a -b -o -F -- "$pattern" "$1" | wc -l; }
tools=(cat trawlbox rg1 rg grep)
declare -A names=([cat]="cat" [trawlbox]="Trawlbox search" [rg1]="rg -j1" [rg]="rg" [grep]="grep -r")

declare -A times hits
for tree in "$large_tree" "$small_tree"; do
    run_cat "$tree" > /dev/null # into the page cache
done
for round in $(seq "$rounds"); do
    for tree in "$large_tree" "$small_tree"; do
        for tool in "${tools[@]}"; do
            start=$(date +%s.%N)
            "run_$tool" "$tree" > "$output"
            end=$(date +%s.%N)
            times[$tree,$tool]+="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }') "
            hits[$tree,$tool]=$(cat "$output")
        done
    done
    echo "round $round of $rounds done"
done

median() { tr ' ' '\n' <<< "$1" | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for tree in "$large_tree" "$small_tree"; do
    files=$(find "$tree" -type f -name '*.bin' | wc -l)
    bytes=$(find "$tree" -type f -name '*.bin' -printf '%s\n' | awk '{ s += $1 } END { print s }')
    echo
    echo "tree: $tree, $files files, $bytes bytes; pattern: $pattern; median of $rounds rounds, wall clock:"
    declare -A medians=()
    for tool in "${tools[@]}"; do
        medians[$tool]=$(median "${times[$tree,$tool]}")
        awk -v name="${names[$tool]}" -v s="${medians[$tool]}" -v bytes="$bytes" -v h="${hits[$tree,$tool]}" \
            -v all="${times[$tree,$tool]}" 'BEGIN {
            printf "  %-16s %8.3f s  %6.2f GB/s  %5s hits  (%s)\n", name, s, bytes / s / 1e9, h, all }'
    done
    awk -v t="${medians[trawlbox]}" -v c="${medians[cat]}" -v r1="${medians[rg1]}" -v r="${medians[rg]}" \
        -v g="${medians[grep]}" 'BEGIN {
        printf "  ratios of Trawlbox'\''s rate: %.2fx cat, %.2fx rg -j1, %.2fx rg, %.2fx grep -r\n",
               c / t, r1 / t, r / t, g / t }'
done

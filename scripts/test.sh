#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a plain build with warnings
# as errors, and a build under AddressSanitizer and UndefinedBehaviorSanitizer. The fuzz
# targets are built too, so that they keep compiling, and each runs once over its seeds in
# fuzz/corpus/, so that a seed that starts to crash fails here.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DBYTELOOM_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DBYTELOOM_SANITIZE=ON -DBYTELOOM_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBYTELOOM_FUZZ=ON \
  -DBYTELOOM_GUI=OFF -DBYTELOOM_BENCH=OFF -DBUILD_TESTING=OFF
cmake --build build-fuzz -j "$jobs"
# A target without a seed folder fails too. A crashing input is kept in build-fuzz/.
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  "$target" -runs=0 -artifact_prefix=build-fuzz/ "fuzz/corpus/${name#fuzz_}"
done

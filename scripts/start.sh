#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts Byteloom.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DBYTELOOM_WERROR=ON
# Trawlbox too: Byteloom starts it from its Tools menu.
cmake --build build -j "$(nproc)" --target Byteloom Trawlbox
exec build/bin/Byteloom

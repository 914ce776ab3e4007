#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the whole suite (CTest), crash, full-disk and hostile-book tests included;
#   2. the whole suite again, built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (the crash test aside: it runs in 1);
#   3. a short run of each fuzzing target (scripts/fuzz.sh, a minute each).
# With --quick only the first.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
[ "${1:-}" = "--quick" ] && exit 0

echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBINDWELL_SANITIZE=address,undefined -DBINDWELL_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E CrashSafety

echo "== fuzzing, a minute each"
./scripts/fuzz.sh 60

#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test:
#   1. the whole suite (CTest), crash, full-disk, hostile-book, install and
#      package tests included;
#   2. a Release build of the programs and libraries, which must stay free
#      of warnings too at -O3 (the tests and benchmarks, built in 1 and 3
#      with warnings as errors, are not built a third time);
#   3. the whole suite again, built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (the crash test aside: it runs in 1; and
#      the epubcheck test, whose time goes to Java, not to our code);
#   4. a short run of each fuzzing target (scripts/fuzz.sh, half a minute each).
# With --quick only the first.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBINDWELL_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
[ "${1:-}" = "--quick" ] && exit 0

echo "== a Release build, warnings as errors"
cmake -S . -B build-Release -DCMAKE_BUILD_TYPE=Release -DBINDWELL_WERROR=ON -DBINDWELL_TESTS=OFF \
  -DBINDWELL_BENCH=OFF >/dev/null
cmake --build build-Release -j"$(nproc)"

echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
# The leaks of libraries we call, which no call of ours frees, are not counted.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# -O1 with line tables only: the sanitizers' usual build, and quicker to
# compile than -O2 with full debugging information.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DBINDWELL_SANITIZE=address,undefined -DBINDWELL_BENCH=OFF \
  -DBINDWELL_WERROR=ON
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E "CrashSafety|Epubcheck"

echo "== fuzzing, half a minute each"
BINDWELL_WERROR=ON ./scripts/fuzz.sh 30

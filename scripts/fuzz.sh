#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60), all
# at once, as CTest tests. The corpora grow in build-fuzz/corpus between
# runs; a crash leaves its input in build-fuzz/crashes and fails the test.
#     scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

./scripts/install-deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBINDWELL_FUZZ=ON -DBINDWELL_TESTS=OFF -DBINDWELL_BENCH=OFF \
  -DBINDWELL_FUZZ_SECONDS="$seconds" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBINDWELL_WERROR="${BINDWELL_WERROR:-OFF}"
cmake --build build-fuzz -j"$(nproc)" --target fuzz_unzip fuzz_stylesheet fuzz_package fuzz_characters \
  fuzz_kindle fuzz_references fuzz_pictures fuzz_kobo fuzz_face_cache
# The leaks of libraries we call, which no call of ours frees, are not counted.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
ctest --test-dir build-fuzz --output-on-failure -j9

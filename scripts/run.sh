#!/usr/bin/env bash
# Installs what is missing, builds what the window needs (the program, the
# two archive libraries it loads, the translations) and starts it, with the
# folders and books given:
#     ./scripts/run.sh [PATH...]
# The tests, fuzzers and benchmarks are left to ./scripts/test.sh.
set -euo pipefail
# The paths are the caller's, from the folder it is in.
paths=()
for path in "$@"; do
  case "$path" in
    /*) paths+=("$path") ;;
    *) paths+=("$PWD/$path") ;;
  esac
done
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target bindwell
exec build/bin/bindwell "${paths[@]}"

#!/usr/bin/env bash
# Builds Bindwell and runs every benchmark: the whole-library run against
# the stock-tool pipeline, book discovery, and the stylesheet rewrite.
# Arguments go to bench/pipeline_bench.py (for instance --books 200 --runs 5).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh python3 perl imagemagick
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target bindwell-cli discovery_bench stylesheet_bench

# The generated library is kept between runs in build/bench-library.
python3 bench/pipeline_bench.py --cli build/bin/bindwell-cli --fonts build/bin/fonts \
  --library build/bench-library "$@"
XDG_CONFIG_HOME="$(mktemp -d)" build/bin/discovery_bench
build/bin/stylesheet_bench

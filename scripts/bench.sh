#!/usr/bin/env bash
# Builds Bindwell and runs every benchmark: the whole library, and a
# library of 1,000 small books, against the stock-tool pipeline and
# unpacking alone (first and second pass), the window's answer time during
# a run (offscreen, and under Xvfb with the desktop's ping), book
# discovery, the stylesheet rewrite, readying documents and languages for
# Send to Kindle, cutting the faces down to a book's characters, the
# dry run against the run it describes, and the pictures fitted to the
# screen against ImageMagick.
# Arguments go to bench/pipeline_bench.py (for instance --books 200 --runs 5).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh python3 perl imagemagick xvfb xdotool x11-utils python3-xlib
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target bindwell bindwell-cli discovery_bench stylesheet_bench window_gap_bench \
  kindle_ready_bench font_subset_bench
fonts=$(sed -n 's/^LIBERATION_FONTS:PATH=//p' build/CMakeCache.txt)

# The generated library is kept between runs in build/bench-library.
python3 bench/pipeline_bench.py --cli build/bin/bindwell-cli --fonts "$fonts" --library build/bench-library "$@"
python3 bench/pipeline_bench.py --cli build/bin/bindwell-cli --fonts "$fonts" --library build/bench-library \
  --small --books 1000 --runs 3
python3 bench/face_cache_bench.py --cli build/bin/bindwell-cli --fonts "$fonts" --library build/bench-library
python3 bench/face_cache_bench.py --cli build/bin/bindwell-cli --fonts "$fonts" --library build/bench-library \
  --small --books 1000 --runs 3
library=$(find build/bench-library -mindepth 1 -maxdepth 1 -type d -name 'Books-*' ! -name '*-images' | head -1)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$library" "$scratch/books"
echo "== the window offscreen, over $library"
XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" build/bin/window_gap_bench "$scratch/books"
echo "== the window under Xvfb, pinged as a desktop pings it"
bench/window_ping_bench.sh build/bin/bindwell "$library"
XDG_CONFIG_HOME="$scratch/config" build/bin/discovery_bench
build/bin/stylesheet_bench
build/bin/kindle_ready_bench
build/bin/font_subset_bench
echo "== the dry run against the run it describes"
bench/dry_run_bench.sh build/bin/bindwell-cli "$library" 3
# The pictures' options against ImageMagick, on picture books of photographs.
python3 bench/pictures_bench.py --cli build/bin/bindwell-cli --library build/bench-photo-library

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60).
# The corpora grow in build-fuzz/corpus between runs; a crash leaves its
# input in build-fuzz/crashes and fails the script.
#     scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(fuzz_unzip fuzz_stylesheet fuzz_package)

./scripts/install-deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBINDWELL_FUZZ=ON -DBINDWELL_TESTS=OFF -DBINDWELL_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

# Seeds: a few real archives and texts to start from.
corpus=build-fuzz/corpus
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
mkdir -p "$seeds/book/META-INF" "$seeds/book/OEBPS/Styles" "$corpus"/{fuzz_unzip,fuzz_stylesheet,fuzz_package} \
  build-fuzz/crashes
printf 'application/epub+zip' >"$seeds/book/mimetype"
printf '<container/>' >"$seeds/book/META-INF/container.xml"
printf '<package><manifest id="m">\r\n<item href="a.css"/></manifest></package>' >"$seeds/book/OEBPS/content.opf"
printf 'body { margin: 0; }\r\np { font-size: 12pt; text-indent: 1em }\r\n' >"$seeds/book/OEBPS/Styles/a.css"
(cd "$seeds/book" && zip -qX0 "$seeds/stored.zip" mimetype && zip -qXr "$seeds/stored.zip" META-INF OEBPS \
  && zip -qXr -9 "$seeds/deflated.zip" . && zip -qX -P pw "$seeds/encrypted.zip" mimetype)
cp "$seeds"/*.zip "$corpus/fuzz_unzip/"
printf '\x07%s' "$(cat "$seeds/book/OEBPS/Styles/a.css")" >"$corpus/fuzz_stylesheet/seed"
printf '\x00%s' "$(cat "$seeds/book/OEBPS/content.opf")" >"$corpus/fuzz_package/seed"

status=0
for target in "${targets[@]}"; do
  dict=()
  [ "$target" = fuzz_unzip ] || dict=(-dict=fuzz/css.dict)
  log="build-fuzz/$target.log"
  echo "== $target for $seconds s"
  if ! build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix=build-fuzz/crashes/"$target"- "${dict[@]}" "$corpus/$target" >"$log" 2>&1; then
    status=1
    grep -A20 -E "==[0-9]+==ERROR|runtime error|deadly signal" "$log" | head -40
  fi
  grep -E "^Done|stat::(number_of_executed_units|peak_rss_mb)" "$log" || true
done
exit "$status"

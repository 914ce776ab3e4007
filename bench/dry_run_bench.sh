#!/usr/bin/env bash
# The dry run against the run it describes, side by side: each run over a
# fresh copy of LIBRARY (copied before the clock starts), the two
# alternating so that a drift of the machine's speed falls on both; prints
# each one's median wall seconds and the ratio of the medians.
#     dry_run_bench.sh BINDWELL_CLI LIBRARY [RUNS] [OPTION...]
set -euo pipefail
cli="$1" library="$2" runs="${3:-3}"
shift $(($# < 3 ? $# : 3))
options=("$@")
[ ${#options[@]} -gt 0 ] || options=(--font-sizes --justify --fonts --subset-fonts --keep-css --kindle --no-keep-originals)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# one_run KIND N: the seconds of one run of KIND (dry or real) over copy N.
one_run() {
  local copy="$scratch/copy-$1-$2" start end
  cp -r "$library" "$copy"
  sync
  local flag=()
  [ "$1" = dry ] && flag=(--dry-run)
  start=$(date +%s.%N)
  "$cli" "${flag[@]}" "${options[@]}" "$copy" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN {printf "%.2f\n", b - a}'
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

dry=() real=()
for n in $(seq 1 "$runs"); do
  dry+=("$(one_run dry "$n")")
  real+=("$(one_run real "$n")")
done
dry_median=$(printf '%s\n' "${dry[@]}" | median)
real_median=$(printf '%s\n' "${real[@]}" | median)
echo "dry run: ${dry[*]} s (median $dry_median s)"
echo "run:     ${real[*]} s (median $real_median s)"
echo "dry run / run: $(awk -v a="$dry_median" -v b="$real_median" 'BEGIN {printf "%.2f", a / b}')"

#!/usr/bin/env bash
# Times the command-line conversion of the vecrast binary: bench/cli_conversion.sh BUILD_FOLDER.
# For each generated metafile: the median wall time of RUNS conversions (whole process, one
# file each), the CPU time per run (user + system, from perf when installed: on a busy
# machine it is the steadier figure), the peak resident memory, and, where ImageMagick's
# convert is installed, its median on the same file and the ratio of the wall times.
set -euo pipefail

build=${1:-build}
runs=${CLI_RUNS:-15}
binary="$build/vecrast"
generator="$build/bench/make_cli_bench_files"

if [ ! -x "$binary" ] || [ ! -x "$generator" ]; then
  echo "build $binary and $generator first (make bench builds them)"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/out" "$work/im" "$work/runtime"
"$generator" "$work/in" >/dev/null

# Median of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Wall milliseconds of one command.
wall_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))  | awk '{ printf "%.2f\n", $1 / 1000 }'
}

# Mean CPU milliseconds (task clock) of RUNS runs of one command; "-" without perf.
cpu_ms() {
  if ! command -v perf >/dev/null 2>&1; then echo "-"; return; fi
  perf stat -x, -e task-clock -r "$runs" "$@" 2>&1 >/dev/null | awk -F, '/task-clock/ { printf "%.2f\n", $1; found = 1 } END { if (!found) print "-" }'
}

have_convert=0
if command -v convert >/dev/null 2>&1; then have_convert=1; fi

printf '%-8s %12s %12s %10s %14s %8s\n' file "vecrast ms" "CPU ms" "peak KiB" "convert ms" ratio
for file in "$work"/in/*.wmf; do
  name=$(basename "$file" .wmf)
  export XDG_RUNTIME_DIR="$work/runtime"
  times=$(for _ in $(seq "$runs"); do wall_ms "$binary" -q -i "$file" -o "$work/out/"; done | median)
  cpu=$(cpu_ms "$binary" -q -i "$file" -o "$work/out/")
  peak=$(/usr/bin/time -f %M "$binary" -q -i "$file" -o "$work/out/" 2>&1 >/dev/null | tail -1)
  if [ ! -s "$work/out/$name.jpg" ]; then times="failed"; fi
  im="-"
  ratio="-"
  if [ "$have_convert" = 1 ]; then
    if convert -density 96 "$file" "$work/im/$name.jpg" >/dev/null 2>&1; then
      im=$(for _ in $(seq "$runs"); do wall_ms convert -density 96 "$file" "$work/im/$name.jpg"; done | median)
      ratio=$(awk -v a="$im" -v b="$times" 'BEGIN { if (b > 0) printf "%.1fx", a / b; else print "-" }')
    else
      im="n/a"
    fi
  fi
  printf '%-8s %12s %12s %10s %14s %8s\n' "$name" "$times" "$cpu" "$peak" "$im" "$ratio"
done
echo "(median of $runs runs per file; ratio = convert time / vecrast time)"

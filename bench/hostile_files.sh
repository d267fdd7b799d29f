#!/usr/bin/env bash
# Times the command-line conversion of the hostile metafiles (bench/make_hostile_files.cpp),
# each built to keep the player as busy as a file can: bench/hostile_files.sh BUILD_FOLDER
# [KIND...]. The work budget should keep every one within about ten seconds of CPU time on
# the build machine. The files take about 1.5 GB of disk in a temporary folder while it runs.
set -euo pipefail

build=${1:-build}
shift || true
binary="$build/vecrast"
generator="$build/bench/make_hostile_files"
limit=${HOSTILE_LIMIT_SECONDS:-120}

if [ ! -x "$binary" ] || [ ! -x "$generator" ]; then
  echo "build $binary and $generator first (make bench builds them)"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/out" "$work/runtime"
"$generator" "$work/in" "$@" >/dev/null

printf '%-20s %10s %10s %10s %10s %s\n' file "MB" "wall s" "CPU s" "peak MiB" "result"
for file in "$work"/in/*.wmf; do
  name=$(basename "$file" .wmf)
  megabytes=$(( $(stat -c %s "$file") / 1048576 ))
  status=0
  XDG_RUNTIME_DIR="$work/runtime" /usr/bin/time -o "$work/time" -f "%e %U %S %M" \
    timeout "$limit" "$binary" -q -i "$file" -o "$work/out/" >/dev/null 2>&1 || status=$?
  read -r wall user sys peak < "$work/time"
  cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
  result=converted
  if [ "$status" -eq 124 ]; then result="over ${limit}s"; elif [ "$status" -ne 0 ]; then result="exit $status"; fi
  printf '%-20s %10s %10s %10s %10s %s\n' "$name" "$megabytes" "$wall" "$cpu" "$((peak / 1024))" "$result"
  rm -f "$work/out/"*
done
echo "(load average when done: $(cut -d' ' -f1-3 /proc/loadavg))"

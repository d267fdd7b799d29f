#!/usr/bin/env bash
# Performance figures of the project: bench/run.sh BUILD_FOLDER (make bench).
# Each section measures one part and says so when what it needs is missing; add a section
# as a function below and call it at the end.
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
corpus=${VECRAST_CORPUS:-$root/../shared/corpus}

section() {
  printf '\n== %s\n' "$1"
}

# --- Metafile player over the real-world corpus --------------------------------------------
player_section() {
  section "metafile player (corpus: $corpus)"
  if [ ! -d "$corpus/wmf" ]; then
    echo "corpus not found; set VECRAST_CORPUS to measure the player"
    return 0
  fi
  "$build/bench/player_bench" --corpus "$corpus" --repeat "${PLAYER_REPEAT:-5}"
}

# --- Image pipeline steps -----------------------------------------------------------------
# Median cost of each step on a 2000 x 1500 picture, beside the JPEG encoding of the same
# picture: no step should cost more than that.
pipeline_section() {
  section "image pipeline steps (2000 x 1500, median of ${PIPELINE_REPEAT:-5})"
  if [ ! -x "$build/bench/pipeline_bench" ]; then
    echo "pipeline_bench not built"
    return 0
  fi
  "$build/bench/pipeline_bench" --benchmark_color=false --benchmark_repetitions="${PIPELINE_REPEAT:-5}" \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '^Benchmark|_median'
}

# --- Command-line conversion ---------------------------------------------------------------
cli_conversion_section() {
  section "command-line conversion"
  "$root/bench/cli_conversion.sh" "$build"
}

# --- Hostile metafiles (HOSTILE_FILES=1: minutes, and 1.5 GB of temporary disk) ----------
hostile_section() {
  section "hostile metafiles: each bounded by the work budget"
  if [ "${HOSTILE_FILES:-0}" != 1 ]; then
    echo "skipped; HOSTILE_FILES=1 make bench times them (bench/hostile_files.sh)"
    return 0
  fi
  "$root/bench/hostile_files.sh" "$build"
}

player_section
pipeline_section
cli_conversion_section
hostile_section

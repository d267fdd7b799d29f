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

# --- Window start-up ---------------------------------------------------------------------------
# Process start to the main window's first paint on a private virtual display, and the shared
# objects a command-line run maps (none of them may belong to the window).
window_section() {
  section "window start-up (median of ${WINDOW_RUNS:-11})"
  if [ ! -x "$build/bench/window_startup" ] || [ ! -f "$build/vecrast-ui.so" ]; then
    echo "window module not built"
    return 0
  fi
  "$root/tests/ui/with_display.sh" "$build/bench/window_startup" "$build/vecrast" "${WINDOW_RUNS:-11}"
  local scratch
  scratch=$(mktemp -d)
  "$build/tools/make_sample" "$scratch/sample.wmf" >/dev/null
  local loaded
  loaded=$(XDG_RUNTIME_DIR=$scratch LD_DEBUG=files "$build/vecrast" -q -i "$scratch/sample.wmf" -o "$scratch/" 2>&1 |
    grep -o 'file=[^ ]*' | sort -u | sed 's/file=//')
  echo "a command-line run maps $(echo "$loaded" | grep -c .) shared objects;" \
    "window libraries among them: $(echo "$loaded" | grep -cE 'libwx_|libgtk|libgdk|vecrast-ui')"
  rm -rf "$scratch"
}

# --- One-file conversion beside its floor and wmf2gd ------------------------------------------
# The whole process per corpus file, interleaved with `vecrast -v` (load and exit) and with
# libwmf's wmf2gd converting the same file to JPEG when it is installed (Debian: libwmf-bin).
side_by_side_section() {
  section "one-file conversion side by side (corpus: $corpus, ${SIDE_BY_SIDE_ROUNDS:-3} rounds)"
  if [ ! -d "$corpus/wmf" ]; then
    echo "corpus not found; set VECRAST_CORPUS to measure the one-file conversion"
    return 0
  fi
  local wmf2gd=()
  if command -v wmf2gd >/dev/null 2>&1; then
    wmf2gd=(--wmf2gd "$(command -v wmf2gd)")
  else
    echo "wmf2gd not installed (Debian package libwmf-bin): vecrast and its floor only"
  fi
  local runtime
  runtime=$(mktemp -d)
  XDG_RUNTIME_DIR="$runtime" "$build/bench/side_by_side" --corpus "$corpus" --vecrast "$build/vecrast" \
    --rounds "${SIDE_BY_SIDE_ROUNDS:-3}" "${wmf2gd[@]}"
  rm -rf "$runtime"
}

player_section
pipeline_section
cli_conversion_section
hostile_section
window_section
side_by_side_section

#!/usr/bin/env bash
# Fuzzes the metafile player: fuzz/run.sh BUILD_FOLDER (make fuzz configures and builds it).
# Runs for FUZZ_SECONDS (default 60) from the seeds in fuzz/seeds/ and the saved crash
# reproducers in fuzz/regressions/, with memory and per-input time limits. Fails when the
# fuzzer finds a crash, a sanitizer report, a leak, a slow input or a memory blow-up; the
# input that did it is left in BUILD_FOLDER/fuzz-artifacts/. To keep it as a test, copy it
# into fuzz/regressions/ under a name that says what it pins: the test suite replays it.
# FUZZ_MAX_LEN bounds the input size; FUZZ_FLAGS adds libFuzzer options (e.g. for a long
# search that goes on after a finding: FUZZ_FLAGS="-fork=1 -ignore_crashes=1").
set -euo pipefail

build=${1:-build-fuzz}
root=$(cd "$(dirname "$0")/.." && pwd)
fuzzer="$build/fuzz/fuzz_metafile"
seconds=${FUZZ_SECONDS:-60}
# Files of many records (a hundred thousand repeated offsets, say) are where drawing state
# accumulates and work piles up; the mutator repeats records to build them.
max_len=${FUZZ_MAX_LEN:-1048576}
# Coverage by edges only (-use_counters=0): with hit counts, every new number of repeats
# would count as new and fill the corpus with large, slow inputs; quick inputs are favoured.

if [ ! -x "$fuzzer" ]; then
  echo "fuzz/run.sh: $fuzzer is missing; build it with: make fuzz" >&2
  exit 1
fi

work="$build/fuzz-corpus"        # grows from run to run; new inputs land here
artifacts="$build/fuzz-artifacts/"
mkdir -p "$work" "$artifacts"

echo "fuzzing the metafile player for ${seconds}s (findings go to $artifacts)"
status=0
"$fuzzer" "$work" "$root/fuzz/seeds" "$root/fuzz/regressions" \
  -dict="$root/fuzz/wmf.dict" \
  -max_total_time="$seconds" \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -malloc_limit_mb=2048 \
  -max_len="$max_len" \
  -len_control=0 \
  -use_counters=0 \
  -entropic_scale_per_exec_time=1 \
  -print_final_stats=1 \
  -artifact_prefix="$artifacts" ${FUZZ_FLAGS:-} || status=$?

if [ "$status" -ne 0 ]; then
  echo "fuzz/run.sh: the fuzzer found a problem (status $status); reproduce with: $fuzzer ${artifacts}<file>" >&2
  exit 1
fi
echo "fuzz/run.sh: no crash in ${seconds}s"

#!/usr/bin/env bash
# CI's reliability stage: everything under AddressSanitizer and UndefinedBehaviorSanitizer
# (unit, scenario, simulator and window tests, then the bot for 2000 games), and a short
# bounded run of each fuzz target. Any sanitizer report fails the stage.
#   bash tools/ci-reliability.sh
set -euo pipefail
cd "$(dirname "$0")/.."

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

[ -f build-asan/build.ninja ] || cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan -j2

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# On a broken invariant the bot exits 1 and leaves tumblehand-bot-failure.scn here.
./build-asan/tumblehand-sim --bot 5000 --seed 1 --folder "$folder"

[ -f build-fuzz/build.ninja ] || cmake --preset fuzz
cmake --build --preset fuzz -j2
mkdir -p fuzz-out/records fuzz-out/scenario fuzz-out/cue
# New inputs go to fuzz-out/ (ignored by git); the records and cue corpora in fuzz/corpus and the
# scenario tests (the seeds of the scenario fuzzer) stay as they are. The cue seeds are 20 ms tones
# that sox wrote, one a WAV encoding (sox -n OPTIONS NAME.wav synth 0.02 sine 1000 vol 0.5).
# Past finds are CTest cases.
# Scratch files go to a memory file system where there is one: the records writer syncs each.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
./build-fuzz/fuzz/fuzz_records -runs=20000 -seed=1 -artifact_prefix=fuzz-out/ \
    fuzz-out/records fuzz/corpus/records
if [ -x build-fuzz/fuzz/fuzz_scenario ]; then
    ./build-fuzz/fuzz/fuzz_scenario -runs=20000 -seed=1 -timeout=20 -dict=fuzz/scenario.dict \
        -artifact_prefix=fuzz-out/ fuzz-out/scenario tests/scenarios
fi
./build-fuzz/fuzz/fuzz_cue_file -runs=20000 -seed=1 -timeout=20 -artifact_prefix=fuzz-out/ \
    fuzz-out/cue fuzz/corpus/cue

#!/usr/bin/env bash
# Instructions per call of the hot procedures, counted by callgrind: a figure that,
# unlike a time, does not move with the load of a shared machine. Use it to compare
# a change before and after.
#
#   bench/instructions.sh [build-bench/tumblehand-bench] [iterations]
set -euo pipefail
bench="${1:-build-bench/tumblehand-bench}"
iterations="${2:-200}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

# benchmark | function whose instructions are counted | its calls per iteration
cases=(
  "AllChecker_NearlyFullWell|tumblehand::Form1::AllChecker()|1"
  "AllChecker_DeadRows|tumblehand::Form1::AllChecker()|1"
  "AllChecker_RowNotFull|tumblehand::Form1::AllChecker()|1"
  "Fall_SingleCardOverEmptyColumn|tumblehand::Form1::Fall()|1"
  "Fall_FullWellDropsOneRow|tumblehand::Form1::Fall()|1"
  "Nexter_NearlyFullBoard|tumblehand::Form1::Nexter()|1"
  "Timer3_TenthTick_RoyalWithPigs|tumblehand::Form1::Timer3_Timer()|1"
  "Timer2_FullDealIn|tumblehand::Form1::Timer2_Timer()|36"
  "Timer1_SteadyTick|tumblehand::Form1::Timer1_Timer()|1"
  "HeadlessGames|tumblehand::bench::HeadlessGame::play(int)|1"
)
printf '%-34s %16s\n' benchmark instructions/call
for c in "${cases[@]}"; do
  IFS='|' read -r filter fn per <<<"$c"
  n=$iterations
  [[ $filter == HeadlessGames ]] && n=$((iterations / 10 > 0 ? iterations / 10 : 1))
  TUMBLEHAND_BENCH_ITERATIONS=$n valgrind --tool=callgrind --callgrind-out-file="$out/cg" \
    --toggle-collect="$fn" "$bench" --benchmark_filter="^${filter}(/0)?(/|\$)" >/dev/null 2>&1
  total=$(callgrind_annotate "$out/cg" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
  printf '%-34s %16d\n' "$filter" $((total / (n * per)))
done

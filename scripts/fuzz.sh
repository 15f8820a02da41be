#!/usr/bin/env bash
# Builds every fuzz target with clang, ASan, UBSan and libFuzzer, runs each for
# FUZZ_SECONDS seconds (FUZZ_JOBS at a time, default: the number of cores) and
# prints the executions, the CPU time each run really got and the findings per
# target (-max_total_time is wall time; on a busy machine CPU time is less).
#
#   scripts/fuzz.sh [BUILD_DIR]
#   FUZZ_SECONDS=60 FUZZ_JOBS=2 FUZZ_NICE=19 FUZZ_TARGETS="mld_reader po_reader"
#   FUZZ_CPU_SECONDS=1800: stop each target after that much CPU time instead
#   (for a campaign on a shared machine, where wall time says little).
#
# The seed corpus in fuzz/<name>/corpus is read, never written: new inputs go
# to BUILD_DIR/runs/<name>/corpus, failing inputs to BUILD_DIR/runs/<name>/findings.
# Keep a fixed finding by copying it to fuzz/<name>/findings/ (make test replays it).
# Exit status 1 when any target found something.
set -euo pipefail

build=${1:-build/fuzz}
seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-$(nproc)}
niceness=${FUZZ_NICE:-0}
only=${FUZZ_TARGETS:-}
cpu_limit=${FUZZ_CPU_SECONDS:-0}
if [ "$cpu_limit" -gt 0 ]; then seconds=0; fi # libFuzzer: 0 = no wall-time limit

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DTANKORA_BUILD_FUZZ=ON -DTANKORA_SANITIZE=ON -DTANKORA_BUILD_TESTS=OFF \
  -DTANKORA_BUILD_BENCH=OFF >/dev/null
nice -n "$niceness" cmake --build "$build" --target fuzz_all

list="$build/fuzz/fuzz-targets.txt"
runs="$build/runs"

run_one() { # name program source-folder
  local name=$1 program=$2 folder=$3 out="$runs/$1"
  rm -rf "$out/findings" && mkdir -p "$out/corpus" "$out/findings"
  /usr/bin/time -f '%U %S' -o "$out/cpu" nice -n "$niceness" "$program" \
    -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$out/findings/" \
    "$out/corpus" "$folder/corpus" >"$out/log" 2>&1 &
  local timer=$!
  if [ "$cpu_limit" -gt 0 ]; then stop_after_cpu "$timer" "$cpu_limit"; fi
  wait "$timer" || true
}

# SIGINT makes libFuzzer print its final statistics and leave.
stop_after_cpu() { # time(1)'s pid, CPU seconds
  local fuzzer="" ticks used hz
  hz=$(getconf CLK_TCK)
  while kill -0 "$1" 2>/dev/null; do
    sleep 5
    [ -n "$fuzzer" ] || fuzzer=$(pgrep -P "$1" || true)
    [ -n "$fuzzer" ] || continue
    ticks=$(awk '{ print $14 + $15 }' "/proc/$fuzzer/stat" 2>/dev/null) || break
    used=$((ticks / hz))
    if [ "$used" -ge "$2" ]; then kill -INT "$fuzzer" 2>/dev/null || true; fi
  done
}
export -f run_one stop_after_cpu
export seconds niceness runs cpu_limit

while read -r name program folder; do
  if [ -z "$only" ] || [[ " $only " == *" $name "* ]]; then
    printf '%s\0%s\0%s\0' "$name" "$program" "$folder"
  fi
done <"$list" | xargs -0 -n 3 -P "$jobs" bash -c 'run_one "$@"' _

status=0
printf '%-18s %14s %10s %8s %9s %9s\n' target executions exec/s cpu-min corpus findings
while read -r name program folder; do
  out="$runs/$name"
  [ -f "$out/log" ] || continue
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/log" | tail -1)
  # time(1) puts "Command exited with non-zero status" first after a finding.
  cpu=$(tail -n 1 "$out/cpu" 2>/dev/null | awk '{ printf "%.1f", ($1 + $2) / 60 }')
  corpus=$(find "$out/corpus" -type f | wc -l)
  findings=$(find "$out/findings" -type f | wc -l)
  printf '%-18s %14s %10s %8s %9s %9s\n' "$name" "${executions:-?}" "${speed:-?}" "${cpu:-?}" \
    "$corpus" "$findings"
  if [ "$findings" -gt 0 ]; then
    status=1
    find "$out/findings" -type f -printf '  %p\n'
    grep -m1 -E 'ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error' "$out/log" | sed 's/^/  /' || true
  fi
done <"$list"
exit $status

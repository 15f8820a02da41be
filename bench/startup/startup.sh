#!/usr/bin/env bash
# Start-up of the window with the 65,535-entry dictionary the build generates
# (bench/startup/large/cylang.mld in the build folder) against start-up with
# no dictionary, each in a fresh process on the offscreen platform, in German.
# The program starts, shows, writes its state (TANKORA_DUMP) and ends; its CPU
# time (user + system) is measured, RUNS times each way, alternating.
#
# Usage: bench/startup/startup.sh BUILD_DIR [RUNS]
set -euo pipefail

build=$(realpath "${1:?usage: $0 BUILD_DIR [RUNS]}")
runs=${2:-15}
program=$build/apps/tankora/tankora
large=$build/bench/startup/large/cylang.mld
for file in "$program" "$large"; do
  [[ -f $file ]] || { echo "startup.sh: $file is missing (build the tankora and startup_dictionary targets)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bare" "$work/large"
cp "$large" "$work/large/cylang.mld"

# Runs a program with its output discarded and prints the CPU seconds (user +
# system) it used, to the microsecond the kernel counts (/usr/bin/time rounds
# to 10 ms, half the budget this script measures against).
cpu_time='
import os, sys
pid = os.fork()
if pid == 0:
    null = os.open(os.devnull, os.O_WRONLY)
    os.dup2(null, 1)
    os.dup2(null, 2)
    os.execv(sys.argv[1], sys.argv[1:])
_, status, usage = os.wait4(pid, 0)
print("%.6f" % (usage.ru_utime + usage.ru_stime))
sys.exit(os.waitstatus_to_exitcode(status))
'

# One start in folder $1: prints its CPU seconds; fails when the window did
# not come up, or (with a dictionary) was not translated.
start() {
  local folder=$1
  (cd "$folder" && TANKORA_DUMP="$work/dump.json" QT_QPA_PLATFORM=offscreen LANG=de_DE.UTF-8 \
    LC_ALL=de_DE.UTF-8 python3 -c "$cpu_time" "$program" > "$work/time") || {
    echo "startup.sh: the window did not start in $folder" >&2; exit 1; }
  if [[ $folder == */large ]] && ! grep -q 'Berechnen' "$work/dump.json"; then
    echo "startup.sh: the window was not translated by the large dictionary" >&2
    exit 1
  fi
  cat "$work/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: > "$work/bare.times"
: > "$work/large.times"
for ((i = 0; i < runs; ++i)); do
  start "$work/bare" >> "$work/bare.times"
  start "$work/large" >> "$work/large.times"
done
bare=$(median < "$work/bare.times")
with=$(median < "$work/large.times")
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "runs: $runs each, CPU seconds (user + system), medians"
echo "bare start-up:                       $bare s"
echo "with the 65,535-entry dictionary:    $with s"
awk -v a="$with" -v b="$bare" 'BEGIN { printf "difference:                          %+.1f ms\n", (a - b) * 1000 }'

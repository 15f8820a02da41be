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

# One start in folder $1: prints its CPU seconds; fails when the window did
# not come up, or (with a dictionary) was not translated.
start() {
  local folder=$1
  (cd "$folder" && TANKORA_DUMP="$work/dump.json" QT_QPA_PLATFORM=offscreen LANG=de_DE.UTF-8 \
    LC_ALL=de_DE.UTF-8 /usr/bin/time -f '%U %S' -o "$work/time" "$program" > /dev/null 2>&1) || {
    echo "startup.sh: the window did not start in $folder" >&2; exit 1; }
  if [[ $folder == */large ]] && ! grep -q 'Berechnen' "$work/dump.json"; then
    echo "startup.sh: the window was not translated by the large dictionary" >&2
    exit 1
  fi
  awk '{ printf "%.3f\n", $1 + $2 }' "$work/time"
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
awk -v a="$with" -v b="$bare" 'BEGIN { printf "difference:                          %+.0f ms\n", (a - b) * 1000 }'

#!/usr/bin/env bash
# Runs the program's main job from a build folder (see the README).
set -euo pipefail
build=${1:-build/release}
cli="$build/apps/tankora-cli/tankora-cli"
echo "Worked example: a horizontal tank, L = 1 m, D = 1 m, flat ends, half full."
echo "\$ tankora-cli volume -L 1 -D 1 -b 0 -H 0.5"
"$cli" volume -L 1 -D 1 -b 0 -H 0.5
echo
echo "Try also: $cli height -L 1 -D 1 -b 0 -V \"392.6991 litres\" -u cm"
echo "          $cli --help"

#!/usr/bin/env bash
# Runs the program's main job from a build folder (see the README).
set -euo pipefail
build=${1:-build/release}
cli="$build/apps/tankora-cli/tankora-cli"

example() {
    local shown="\$ tankora-cli"
    for arg in "$@"; do
        if [[ $arg == *" "* ]]; then shown+=" \"$arg\""; else shown+=" $arg"; fi
    done
    echo "$shown"
    "$cli" "$@"
    echo
}

echo "Worked example: a horizontal tank, L = 1 m, D = 1 m, flat ends (b = 0)."
echo
example volume -L 1 -D 1 -b 0 -H 0.5
example volume -L 1 -D 1 -b 0 -H 0.5 -u litres
example height -L 1 -D 1 -b 0 -V 0.3927 -u cm
example new-height -L 1 -D 1 -b 0 -H 0.5 -Q "60 l/min" -t "2 min"
example table -L 1 -D 1 -b 0 --rows 4
echo "A quantity is a number with an optional unit (\"250 cm\", \"1000 US gal\")."
echo "More: $cli --help, $cli volume --help, or the README's tankora-cli guide."

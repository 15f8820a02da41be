#!/usr/bin/env bash
# Starts the calculator window from a build folder (see the README).
# Usage: scripts/run.sh [build folder] [language index]
# The window starts in the folder that holds the dictionary cylang.mld, so it
# opens in the language of the user's locale (LANG, LC_MESSAGES, LC_ALL); a
# language index, the program's first argument, picks a language instead.
# Without a display it says so in one line and shows the calculator without a
# window (tankora-cli) instead, unless XVFB=1 asks for a virtual display: the
# window then runs there, unseen, until Ctrl+C.
set -euo pipefail
build=$(cd "${1:-build/release}" && pwd)
shift || true
app="$build/apps/tankora/tankora"
cli="$build/apps/tankora-cli/tankora-cli"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cd "$build/apps" && exec "$app" "$@"
fi
if [ "${XVFB:-0}" = 1 ]; then
  echo "No display: running the Tankora window under xvfb-run, unseen; stop it with Ctrl+C."
  cd "$build/apps" && exec xvfb-run -a "$app" "$@"
fi
echo "No display: the Tankora window needs one ('make run XVFB=1' runs it under xvfb-run); here is tankora-cli instead."
echo

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

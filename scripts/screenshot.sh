#!/usr/bin/env bash
# Regenerates the README's pictures of the window: the real program, run
# under Xvfb, with the worked example entered by simulated key presses and
# clicks (L = D = 1 m, b = 0, H = 0.5 m, Calculate: 0.3927 m3), then its
# window grabbed.
# Usage: scripts/screenshot.sh [build folder] [locale [picture]]
#   scripts/screenshot.sh                        docs/screenshot.png, as written
#   scripts/screenshot.sh build/release de_DE    docs/screenshot-de.png, in German
# With a locale the program runs in the dictionary's folder under that
# locale, so it opens in the locale's language, and the numbers are typed
# with the decimal separator the window then uses; a right-to-left window is
# clicked at its mirrored places.
# Without xdotool it falls back to the start-up state on Qt's offscreen
# platform (TANKORA_SCREENSHOT).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
locale=${2:-}
if [ -n "$locale" ]; then
  picture=${3:-docs/screenshot-${locale%%_*}.png}
else
  picture=${3:-docs/screenshot.png}
fi
picture=$(realpath -m "$picture")
# A build folder that exists keeps its configuration.
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANKORA_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target tankora
program=$(realpath "$build/apps/tankora/tankora")
folder=$(dirname "$(dirname "$program")")

# The locale the program runs under; without one, numbers are typed with a
# point whatever the machine's locale.
# The window starts from its defaults, whatever the machine's user saved.
run() {
  if [ -n "$locale" ]; then
    (cd "$folder" && TANKORA_SETTINGS=none LC_ALL="$locale.UTF-8" LANG="$locale.UTF-8" "$@")
  else
    TANKORA_SETTINGS=none LC_ALL=C.UTF-8 "$@"
  fi
}

# The simulated user needs two tools the program itself does not; ask for them
# here rather than burden every build and test run with them.
if [ "${TANKORA_NO_INSTALL-}" != 1 ]; then
  for p in xdotool imagemagick; do
    dpkg -s "$p" >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null 2>&1 || true
  done
fi
if ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
  QT_QPA_PLATFORM=offscreen TANKORA_SCREENSHOT="$picture" run "$program"
  echo "Wrote $picture (start-up state; install xdotool and imagemagick for a result)"
  exit 0
fi

if [ -z "${TANKORA_INSIDE_XVFB-}" ]; then
  TANKORA_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$locale" "$picture"
fi

# What the window will use: its decimal separator and reading direction.
state=$(mktemp)
QT_QPA_PLATFORM=offscreen TANKORA_DUMP="$state" run "$program" 2>/dev/null
separator=$(sed -n 's/.*"decimalSeparator": "\(.\)".*/\1/p' "$state" | head -1)
direction=$(sed -n 's/.*"readingDirection": "\([a-z]*\)".*/\1/p' "$state" | head -1)
rm -f "$state"

run "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name '^Tankora$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "screenshot.sh: the window did not show" >&2; exit 1; }
sleep 1
geometry=$(xdotool getwindowgeometry "$window")
read -r x y < <(sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p' <<<"$geometry")
read -r w h < <(sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' <<<"$geometry")

# Points inside the controls, in client coordinates of the stored layout;
# a mirrored window has them at the other side.
click() {
  local px=$1
  [ "$direction" = rtl ] && px=$((w - px))
  xdotool mousemove $((x + px)) $((y + $2)) click 1; sleep 0.2
}
enter() { click "$1" "$2"; xdotool key End $(printf 'BackSpace %.0s' $(seq 8)); xdotool type "${3//./${separator:-.}}"; }
enter 339 71 1     # L
enter 339 94 1     # D
enter 339 116 0    # b
enter 330 264 0.5  # H
click 322 371      # Calculate
xdotool mousemove 0 0
sleep 0.5
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$picture"
echo "Wrote $picture"

#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the real program, run under Xvfb, with the
# worked example entered by simulated key presses and clicks (L = D = 1 m,
# b = 0, H = 0.5 m, Calculate: 0.3927 m3), then its window grabbed.
# Without xdotool it falls back to the start-up state on Qt's offscreen
# platform (TANKORA_SCREENSHOT).
# Usage: scripts/screenshot.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANKORA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tankora
program="$build/apps/tankora/tankora"

# The simulated user needs two tools the program itself does not; ask for them
# here rather than burden every build and test run with them.
if [ "${TANKORA_NO_INSTALL-}" != 1 ]; then
  for p in xdotool imagemagick; do
    dpkg -s "$p" >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null 2>&1 || true
  done
fi
if ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
  QT_QPA_PLATFORM=offscreen TANKORA_SCREENSHOT=docs/screenshot.png "$program"
  echo "Wrote docs/screenshot.png (start-up state; install xdotool and imagemagick for a result)"
  exit 0
fi

if [ -z "${TANKORA_INSIDE_XVFB-}" ]; then
  TANKORA_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi

# Numbers typed with a point, whatever the machine's locale.
LC_ALL=C.UTF-8 "$program" &
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

# Points inside the controls, in client coordinates of the stored layout.
click() { xdotool mousemove $((x + $1)) $((y + $2)) click 1; sleep 0.2; }
enter() { click "$1" "$2"; xdotool key End $(printf 'BackSpace %.0s' $(seq 8)); xdotool type "$3"; }
enter 339 71 1     # L
enter 339 94 1     # D
enter 339 116 0    # b
enter 330 264 0.5  # H
click 322 371      # Calculate
xdotool mousemove 0 0
sleep 0.5
import -window root -crop "${w}x${h}+${x}+${y}" +repage docs/screenshot.png
echo "Wrote docs/screenshot.png"

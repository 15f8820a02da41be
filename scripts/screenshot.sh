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
# with the decimal separator the window then uses. Every click goes to the
# centre of a control as the window's own dump places it, so a moved control
# or a mirrored window needs no change here.
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
  for p in xdotool imagemagick python3; do
    dpkg -s "$p" >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null 2>&1 || true
  done
fi
if ! command -v xdotool >/dev/null || ! command -v import >/dev/null || ! command -v python3 >/dev/null; then
  QT_QPA_PLATFORM=offscreen TANKORA_SCREENSHOT="$picture" run "$program"
  echo "Wrote $picture (start-up state; install xdotool, imagemagick and python3 for a result)"
  exit 0
fi

if [ -z "${TANKORA_INSIDE_XVFB-}" ]; then
  TANKORA_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$locale" "$picture"
fi

# What the window will use: its decimal separator and the place of every
# control, from the window's own dump, so the clicks below
# follow the layout wherever it moves a control.
state=$(mktemp)
QT_QPA_PLATFORM=offscreen TANKORA_DUMP="$state" run "$program" 2>/dev/null
separator=$(sed -n 's/.*"decimalSeparator": "\(.\)".*/\1/p' "$state" | head -1)
# "NAME X Y": the centre of each control in the window's client coordinates.
centres=$(python3 - "$state" <<'PY'
import json, sys
components = {c["name"]: c for c in json.load(open(sys.argv[1]))["components"]}
for name, c in components.items():
    if "left" not in c:
        continue  # not a control: no place on the window
    x, y, parent = c["left"] + c["width"] // 2, c["top"] + c["height"] // 2, c["parent"]
    while parent and components[parent]["parent"]:
        x, y = x + components[parent]["left"], y + components[parent]["top"]
        parent = components[parent]["parent"]
    print(name, x, y)
PY
)
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

# A control's centre, where the window shows it (mirrored in a right-to-left
# window: the dump holds the places as shown).
click() {
  local px py
  read -r px py < <(awk -v n="$1" '$1 == n { print $2, $3 }' <<<"$centres")
  [ -n "$px" ] || { echo "screenshot.sh: the window has no control $1" >&2; exit 1; }
  xdotool mousemove $((x + px)) $((y + py)) click 1; sleep 0.2
}
enter() { click "$1"; xdotool key End $(printf 'BackSpace %.0s' $(seq 8)); xdotool type "${2//./${separator:-.}}"; }
enter dL 1
enter dD 1
enter db 0
enter eH 0.5
click BitBtn2      # Calculate
xdotool mousemove 0 0
sleep 0.5
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$picture"
echo "Wrote $picture"

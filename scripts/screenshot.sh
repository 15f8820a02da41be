#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the real program, started on Qt's offscreen
# platform, saves its window as it first shows and ends (TANKORA_SCREENSHOT).
# Usage: scripts/screenshot.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANKORA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tankora
QT_QPA_PLATFORM=offscreen TANKORA_SCREENSHOT=docs/screenshot.png "$build/apps/tankora/tankora"
echo "Wrote docs/screenshot.png"

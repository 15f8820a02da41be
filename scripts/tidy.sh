#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over the sources of src/
# and apps/ in a configured build folder (compile_commands.json), and fails on
# any finding. Usage: tidy.sh BUILD_DIR [FILE_REGEX]; FILE_REGEX is matched
# against paths relative to the repository (the build's generated files never
# match).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
files="^$PWD/${2:-(src|apps)/.*\.cpp$}"
if ! command -v run-clang-tidy >/dev/null 2>&1; then
  echo "tidy: run-clang-tidy is not installed (bash scripts/install-deps.sh installs it)" >&2
  exit 1
fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: $build/compile_commands.json is missing (configure with CMAKE_EXPORT_COMPILE_COMMANDS=ON)" >&2
  exit 1
fi
# The database holds g++ flags; clang does not know some of them.
if ! run-clang-tidy -quiet -p "$build" -j 2 \
    -extra-arg=-Wno-unknown-warning-option -extra-arg=-Wno-error "$files"; then
  echo "tidy: the findings above break the checks of .clang-tidy" >&2
  exit 1
fi
echo "tidy: clean"

#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it,
# and when clang-format is missing or is not the version the project pins
# (another version formats differently). install-deps.sh installs it.
set -euo pipefail
cd "$(dirname "$0")/.."
pinned=14
if ! command -v clang-format >/dev/null 2>&1; then
  echo "format check: clang-format is not installed (bash scripts/install-deps.sh installs it)" >&2
  exit 1
fi
version=$(clang-format --version | sed -n 's/.*clang-format version \([0-9]*\).*/\1/p')
if [ "$version" != "$pinned" ]; then
  echo "format check: clang-format $pinned is pinned, found '${version:-unknown}'" >&2
  exit 1
fi
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
  echo "format check: the files above are not formatted (make format fixes them)" >&2
  exit 1
fi
echo "format check: clean"

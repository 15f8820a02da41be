#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null 2>&1; then
  echo "clang-format not installed: format check skipped"
  exit 0
fi
if git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; then
  echo "format check: clean"
fi

#!/usr/bin/env bash
# Installs the Debian packages Tankora builds, tests and runs with.
# Idempotent: asks dpkg first and calls apt-get only for what is missing.
#   install-deps.sh        what make run / make test need
#   install-deps.sh fuzz   also clang and its libFuzzer runtime (make fuzz)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libicu-dev
  libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  gettext qt6-l10n-tools icu-devtools
  xvfb xauth
  # The format check pins the clang-format of Debian 12.
  clang-format
  fonts-liberation fonts-dejavu-core fonts-dejavu-extra
  # The shipped languages' scripts: DejaVu draws Greek, Cyrillic, Hebrew and
  # Arabic; Noto CJK draws Japanese, Chinese and Korean.
  fonts-noto-cjk
)
# The peers' catalogue compilers above serve bench/l10n_peers (msgfmt, lrelease, genrb).
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1 || ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

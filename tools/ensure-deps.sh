#!/usr/bin/env bash
# Makes sure the Debian packages the game builds and runs with are installed.
# As root it installs what is missing; otherwise it prints the one command to run and fails.
set -euo pipefail

packages=(
    g++ make cmake ninja-build python3
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils
    pkg-config libxcb1-dev xvfb
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [[ "$status" == installed ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "Missing packages. Run this once, then try again:"
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
    exit 1
fi

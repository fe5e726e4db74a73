#!/usr/bin/env bash
# Makes sure the Debian packages of the named groups are installed:
#   tools/ensure-deps.sh build [test] [bench] [fuzz] [package] [windows-test] [windows] ...
# As root it installs what is missing; otherwise it prints the one command to run and fails.
set -euo pipefail

# One group per task; a package may sit in several.
declare -A groups=(
    # Building and playing the game.
    [build]="g++ make cmake ninja-build pkg-config
             qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev libxcb1-dev
             libglib2.0-dev"
    # The tests: GoogleTest, the validators of the desktop files, the browser look-up's
    # content types, the packaging check, the black-box run under Xvfb, the style checks and
    # the Windows release's notices.
    [test]="libgtest-dev libgmock-dev desktop-file-utils appstream shared-mime-info
            dpkg-dev xvfb xdotool util-linux clang-format clang-tidy python3"
    [bench]="libbenchmark-dev xvfb python3"
    [fuzz]="clang libclang-rt-14-dev"
    [package]="dpkg-dev lintian"
    # The core cross-built for Windows and tested under wine (part of the tests), and the
    # whole game for Windows: the Qt source (apt-get source needs dpkg-dev), the notices, the
    # installer made at a fixed time, what the smoke tests drive the game with under Xvfb, and
    # the style check of its Windows-only sources.
    [windows-test]="g++-mingw-w64-x86-64-posix wine64"
    [windows]="g++-mingw-w64-x86-64-posix wine64 dpkg-dev python3 wixl msitools faketime
               xvfb xdotool imagemagick clang-tidy"
    # The mutation check's script, on top of the tests' packages.
    [mutate]="python3"
)

[[ $# -gt 0 ]] || set -- build
packages=()
for group in "$@"; do
    [[ -v "groups[$group]" ]] || { echo "ensure-deps: no group '$group'" >&2; exit 2; }
    read -r -a listed <<<"$(echo ${groups[$group]})"
    packages+=("${listed[@]}")
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
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

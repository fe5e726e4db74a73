#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy and the build's compile commands over the
# sources given, two at a time. Any finding fails; each file's findings are printed together.
#   tests/check_tidy.sh <clang-tidy> <build folder> <source>...
set -euo pipefail
export tidy=$1 build=$2
shift 2
command -v "$tidy" >/dev/null || { echo "no clang-tidy: tools/ensure-deps.sh test installs it"; exit 1; }
# xargs goes on with the other files after a failing one, then fails itself.
printf '%s\0' "$@" | xargs -0 -n 1 -P 2 bash -c '
    out=$("$tidy" -p "$build" --quiet --warnings-as-errors="*" "$1" 2>&1) && exit 0
    grep -v "^[0-9]* warnings\? \(and [0-9]* errors\? \)\?generated\.$" <<<"$out"
    exit 1' tidy
echo "clang-tidy: no findings in $# files"

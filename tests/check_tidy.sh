#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every source of the repository that the
# build compiles (all its targets, as its compile commands list them) in the folders given,
# two at a time. Any finding fails; each file's findings are printed together.
#   tests/check_tidy.sh [--platform-only] <clang-tidy> <build folder> <source root> <folder>...
#       [-- <argument for clang-tidy>...]
# --platform-only keeps the sources with code for one platform only: those named *_windows.cpp
# or *_linux.cpp and those that test for _WIN32. The arguments after -- go to every run, as the
# cross build's target and its compiler's C++ headers.
set -euo pipefail
platformOnly=false
[[ $1 == --platform-only ]] && { platformOnly=true; shift; }
export tidy=$1 build=$2
root=$3
shift 3
folders=()
while [[ $# -gt 0 && $1 != -- ]]; do folders+=("$1"); shift; done
[[ $# -gt 0 ]] && shift
export extra="$*"
command -v "$tidy" >/dev/null || { echo "no clang-tidy: tools/ensure-deps.sh test installs it"; exit 1; }
mapfile -t files < <(sed -n 's/^ *"file": "\(.*\)",\?$/\1/p' "$build/compile_commands.json" |
    awk -v root="$root" -v folders="${folders[*]}" 'BEGIN { n = split(folders, folder, " ") }
        { for (i = 1; i <= n; ++i) if (index($0, root "/" folder[i] "/") == 1) print }' | sort -u)
if $platformOnly; then
    mapfile -t files < <(for f in "${files[@]}"; do
        [[ $f == *_windows.cpp || $f == *_linux.cpp ]] || grep -q _WIN32 "$f" && echo "$f"
    done)
fi
[[ ${#files[@]} -gt 0 ]] || { echo "no sources of ${folders[*]} in $build/compile_commands.json"; exit 1; }
# xargs goes on with the other files after a failing one, then fails itself.
printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P 2 bash -c '
    read -ra args <<<"$extra"
    out=$("$tidy" -p "$build" --quiet --warnings-as-errors="*" "${args[@]}" "$1" 2>&1) && exit 0
    grep -v "^[0-9]* warnings\? \(and [0-9]* errors\? \)\?generated\.$" <<<"$out"
    exit 1' tidy
echo "clang-tidy: no findings in ${#files[@]} files"

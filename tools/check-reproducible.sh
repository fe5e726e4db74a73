#!/usr/bin/env bash
# Builds the Windows release and `make package` of the last commit in two fresh clones, in
# folders of different names and lengths, as two builders would: each with a home and a Qt cache
# of its own, so that the static Qt for Windows is built twice too. Then compares taremo.exe,
# the zip, the installer and the .deb.
#   tools/check-reproducible.sh [jobs]
# REPRODUCIBLE_QT=0 lets both builds take the Qt already in this user's cache, for a quick run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-2}
commit=$(git -C "$here" rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/taremo-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
sides=(one second-build-elsewhere)
for side in "${sides[@]}"; do
    git clone -q "$here" "$work/$side"
    git -C "$work/$side" checkout -q "$commit"
    builder=()
    if [[ ${REPRODUCIBLE_QT:-1} != 0 ]]; then
        home=$work/home-of-$side
        mkdir -p "$home"
        builder=(env HOME="$home" TAREMO_QT_CACHE="$home/cache-$side/qt")
    fi
    echo "Building $commit in $work/$side"
    "${builder[@]}" make -C "$work/$side" windows-release package JOBS="$jobs" \
        >"$work/$side.log" 2>&1 ||
        { tail -30 "$work/$side.log"; echo "the build in $work/$side failed"; exit 1; }
done
results=(build-windows/taremo.exe dist/*.zip dist/*.msi build-package/package/*.deb)
status=0
for result in "${results[@]}"; do
    a=$(cd "$work/${sides[0]}" && compgen -G "$result" || true)
    [[ -n $a && -f $work/${sides[0]}/$a ]] || { echo "MISSING  $result"; status=1; continue; }
    if cmp -s "$work/${sides[0]}/$a" "$work/${sides[1]}/$a"; then
        echo "SAME     $(sha256sum "$work/${sides[0]}/$a" | cut -c1-16)  $a"
    else
        echo "DIFFERS  $a"
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "Reproducible: two builds of $commit give the same bytes"
exit $status

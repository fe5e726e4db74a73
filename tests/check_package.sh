#!/usr/bin/env bash
# Builds the Debian package, unpacks it and runs the game: package and game must carry the
# version given, and the package depend on the libraries the game links and hold its licence,
# manual page and metadata where games' go.
#   tests/check_package.sh <build folder> <version>
set -euo pipefail
build=$(realpath "$1")
expected=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
debs=("$scratch"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "expected one .deb, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
dpkg-deb -x "$deb" "$scratch/root"

[[ $(dpkg-deb -f "$deb" Version) == "$expected" ]] ||
    { echo "package version $(dpkg-deb -f "$deb" Version), not $expected"; exit 1; }
version=$("$scratch/root/usr/games/taremo" --version)
[[ $version == "Taremo $expected" ]] || { echo "--version said: $version"; exit 1; }
"$scratch/root/usr/games/taremo" --help | grep -q -- --version || { echo "--help lacks --version"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libglib2.0-0 qt6-qpa-plugins; do
    [[ $depends == *"$library"* ]] || { echo "Depends lacks $library: $depends"; exit 1; }
done
[[ $(dpkg-deb -f "$deb" Section) == games ]] || { echo "not in the games section"; exit 1; }
for file in usr/share/doc/taremo/copyright usr/share/man/man6/taremo.6.gz \
            usr/share/applications/org.taremo.Taremo.desktop \
            usr/share/metainfo/org.taremo.Taremo.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/taremo.svg; do
    [[ -f $scratch/root/$file ]] || { echo "missing /$file"; exit 1; }
done
cmp -s "$scratch/root/usr/share/doc/taremo/copyright" "$(dirname "$0")/../LICENSE" ||
    { echo "copyright is not the licence"; exit 1; }
echo "package ok: $(basename "$deb")"

#!/usr/bin/env bash
# The files kept in the sources that programs of tools/ wrote are still what those programs
# write: the catalogue's grid table, byte for byte, and every picture of the artwork.
#   tests/check_tools_output.sh <grid_generator> <grid table> <draw_art> <resources folder>
set -euo pipefail
generator=$1 table=$2 draw_art=$3 resources=$4
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$generator" 2>/dev/null | cmp - "$table" || { echo "the grid table is not the generator's"; exit 1; }
QT_QPA_PLATFORM=offscreen "$draw_art" "$out" 2>/dev/null
drawn=0
for file in "$out"/*; do
    cmp "$file" "$resources/${file##*/}" || { echo "resources/${file##*/} is not drawn so"; exit 1; }
    drawn=$((drawn + 1))
done
[[ $drawn -gt 0 ]] || { echo "nothing drawn"; exit 1; }
echo "the grid table and $drawn pictures as the tools write them"

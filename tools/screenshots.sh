#!/usr/bin/env bash
# Takes the README's pictures of each window by playing the real game under Xvfb:
# the language dialog of a first start, the main window in play, the new-grid dialog and the
# About box. Needs Xvfb, xdotool and ImageMagick's import.
#   tools/screenshots.sh [build folder] [output folder]
set -euo pipefail
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-docs}")
mkdir -p "$out"
game=$(mktemp -d)
cp "$build/taremo" "$game/"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$game"' EXIT
export DISPLAY=$display
sleep 1

window() { xdotool search --sync --onlyvisible --name "$1" | head -1; }
shoot() { sleep 0.6; import -window "$1" "$out/$2"; echo "wrote $out/$2"; }

# First start: no start.ini, so the flags come first.
"$game/taremo" 2>/dev/null &
gamepid=$!
flags=$(xdotool search --sync --onlyvisible --class taremo | head -1)
shoot "$flags" language.png
# The English flag (first button): 1575 x 855 twips at 360, 600.
xdotool mousemove --window "$flags" 76 68 click 1

main=$(window "ta | re | mo")
xdotool windowfocus --sync "$main"
xdotool key F2
sleep 0.6
dialog=$(xdotool getactivewindow 2>/dev/null || xdotool search --onlyvisible --class taremo | tail -1)
shoot "$dialog" new-grid.png
xdotool key Return
sleep 0.6
xdotool windowfocus --sync "$main"
xdotool key 1 Right 2 Right 3 Down 4 Tab 5
shoot "$main" main-window.png

xdotool key alt+a Return
sleep 0.6
about=$(xdotool search --onlyvisible --class taremo | tail -1)
shoot "$about" about.png
xdotool key Return
sleep 0.4
xdotool windowfocus --sync "$main"
xdotool key F4
shoot "$main" finished.png
xdotool key F3
wait "$gamepid" || true

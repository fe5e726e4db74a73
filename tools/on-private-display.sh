#!/usr/bin/env bash
# Runs a command with DISPLAY set to an X server of its own (Xvfb, 1024 x 768), which goes when
# the command ends; the command's exit status is the script's.
#   tools/on-private-display.sh command [argument...]
# With WINEPREFIX set, that prefix's wine server is stopped before and after, as wine keeps
# drawing on the display its server first knew.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "on-private-display: no Xvfb: tools/ensure-deps.sh windows" >&2; exit 1; }
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" 2>/dev/null &
server=$!
stop_wine() { [[ -z ${WINEPREFIX:-} ]] || /usr/lib/wine/wineserver -k 2>/dev/null || true; }
stop_wine
trap 'stop_wine; kill "$server" 2>/dev/null || true; rm -f "$number"' EXIT
for _ in $(seq 100); do
    [[ -s $number ]] && break
    sleep 0.1
done
[[ -s $number ]] || { echo "on-private-display: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -1 "$number")
export DISPLAY
"$@"

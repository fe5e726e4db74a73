#!/usr/bin/env bash
# Packs the Windows build into <dist>/taremo-<version>-windows-x86_64.zip (the stripped
# executable and the licence), then plays what the zip holds under wine on a private Xvfb
# display: with a start.ini beside it the main window appears, F2 and Enter make a grid, and
# F3 quits and writes the difficulty file.
#   tools/windows-dist.sh <windows build folder> <dist folder>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
dist=$(realpath -m "$2")
number() { sed -n "s/^set(TAREMO_VERSION_$1 \([0-9]*\))$/\1/p" "$here/CMakeLists.txt"; }
version="$(number MAJOR).$(number MINOR)$(number REVISION)"
zip=$dist/taremo-$version-windows-x86_64.zip
wine=/usr/lib/wine/wine64
export WINEPREFIX=$build/wine-smoke WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

work=$(mktemp -d)
xvfb='' game=''
finish() {
    [[ -n $game ]] && kill "$game" 2>/dev/null
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "Windows smoke test: $*" >&2; exit 1; }

pack() {
    mkdir -p "$work/zip" "$dist"
    x86_64-w64-mingw32-strip -o "$work/zip/taremo.exe" "$build/taremo.exe"
    cp "$here/LICENSE" "$work/zip/LICENSE"
    rm -f "$zip"
    (cd "$work/zip" && cmake -E tar cf "$zip" --format=zip taremo.exe LICENSE)
    echo "Made $zip"
}

start_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
    [[ -s $work/display ]] || fail "Xvfb did not start"
    export DISPLAY=:$(head -1 "$work/display")
}

# Share of the window's pixels in the cyan of the given cells: none before a grid, many after.
cyan_share() {
    import -window "$1" png:- | convert - -fill black +opaque '#00FFFF' -fill white \
        -opaque '#00FFFF' -format '%[fx:mean]' info:
}

# Waits up to 30 seconds for the game to show exactly $1 windows.
windows_become() {
    for _ in $(seq 60); do
        [[ $(xdotool search --onlyvisible --class taremo 2>/dev/null | wc -l) -eq $1 ]] && return 0
        sleep 0.5
    done
    return 1
}

play() {
    local game_dir=$work/game main before after
    mkdir -p "$game_dir"
    (cd "$game_dir" && cmake -E tar xf "$zip")
    printf '[LastOpen]\r\nLanguage=1\r\n' > "$game_dir/start.ini"
    "$wine" wineboot --init >/dev/null 2>&1 && /usr/lib/wine/wineserver -w
    "$wine" "$game_dir/taremo.exe" >/dev/null 2>&1 &
    game=$!
    main=$(timeout 120 xdotool search --sync --onlyvisible --name '^  ta \| re \| mo$' | head -1)
    [[ -n $main ]] || fail "no main window captioned '  ta | re | mo'"
    before=$(cyan_share "$main")
    xdotool windowfocus --sync "$main" key F2
    windows_become 2 || fail "F2 opened no new-grid dialog"
    xdotool key Return
    windows_become 1 || fail "Enter did not close the new-grid dialog"
    for _ in $(seq 30); do
        after=$(cyan_share "$main")
        awk -v a="$after" 'BEGIN { exit !(a > 0.05) }' && break
        sleep 1
    done
    awk -v b="$before" -v a="$after" 'BEGIN { exit !(b < 0.01 && a > 0.05) }' ||
        fail "F2 and Enter made no grid (cyan share $before before, $after after)"
    xdotool windowfocus --sync "$main" key F3
    timeout 60 tail --pid="$game" -f /dev/null || fail "F3 did not end the game"
    game=''
    cmp -s "$game_dir/niveau.ini" <(printf '[Niveau]\r\nNiveauChoisi=0\r\n') ||
        fail "niveau.ini does not hold the two expected lines"
    echo "Windows smoke test passed: main window, a grid from F2 and Enter, niveau.ini on F3"
}

pack
start_display
play

#!/usr/bin/env bash
# Plays a root-owned install as an unprivileged player, then as root, on a private Xvfb display:
# each chooses a language and quits, finds both settings files in their own folder, and nothing
# is written into the install tree. Then a portable copy in a folder the player may not write
# to, with both files beside it and no settings folder of the player's yet: it opens straight
# into the main window, and on closing writes the difficulty it read beside it into the
# player's own folder alone. Needs root, Xvfb and xdotool; skipped without.
#   tests/check_system_install.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
skip=77
[[ $(id -u) -eq 0 ]] || { echo "needs root to play as nobody"; exit $skip; }
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "needs Xvfb and xdotool"; exit $skip; }

scratch=$(mktemp -d)
chmod 755 "$scratch"
display=:$((200 + RANDOM % 500))
# Access control off: the player is another user than the server's.
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
game=$scratch/usr/games/taremo

fail() { echo "FAIL: $*"; exit 1; }
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1; }

# Starts the game as `$@`, answers the language dialog when `first`, quits with F3.
play() {
    local first=$1; shift
    "$@" env -i DISPLAY="$DISPLAY" PATH=/usr/bin:/bin HOME="$home" "$game" &
    local pid=$!
    if [[ $first == first ]]; then
        local flags
        flags=$(timeout 20 xdotool search --sync --onlyvisible --class taremo | head -1)
        [[ -n $flags ]] || fail "no language dialog"
        xdotool mousemove --window "$flags" 76 68 click 1 # the English flag
    fi
    local main
    main=$(find_window "ta | re | mo") || true
    [[ -n $main ]] || fail "no main window"
    xdotool windowfocus --sync "$main" key F3
    timeout 20 tail --pid=$pid -f /dev/null || fail "the game did not end"
}

check_settings() {
    local folder=$1
    [[ $(od -c "$folder/start.ini") == "$(printf '[LastOpen]\r\nLanguage=1\r\n' | od -c)" ]] ||
        fail "start.ini in $folder: $(cat -A "$folder/start.ini" 2>&1)"
    [[ $(od -c "$folder/niveau.ini") == "$(printf '[Niveau]\r\nNiveauChoisi=0\r\n' | od -c)" ]] ||
        fail "niveau.ini in $folder: $(cat -A "$folder/niveau.ini" 2>&1)"
}

home=$scratch/nobody
mkdir -p "$home" && chown nobody "$home"
player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
play first "${player[@]}"
check_settings "$home/.config/taremo"
play again "${player[@]}" # straight to the main window: the language was kept

home=$scratch/root
mkdir -p "$home"
play first
check_settings "$home/.config/taremo"

written=$(find "$scratch/usr" -name '*.ini' -o -name '*.HTM')
[[ -z $written ]] || fail "written into the install tree: $written"

portable=$scratch/portable
mkdir -p "$portable"
cp "$build/taremo" "$portable/"
printf '[LastOpen]\r\nLanguage=3\r\n' >"$portable/start.ini"
printf '[Niveau]\r\nNiveauChoisi=4\r\n' >"$portable/niveau.ini"
beside=$(cd "$portable" && sha256sum *)
home=$scratch/reader
mkdir -p "$home" && chown nobody "$home"
game=$portable/taremo
play again "${player[@]}"
[[ $(od -c "$home/.config/taremo/niveau.ini") == "$(printf '[Niveau]\r\nNiveauChoisi=4\r\n' | od -c)" ]] ||
    fail "the portable copy's difficulty did not reach the player's folder"
[[ ! -e $home/.config/taremo/start.ini ]] || fail "the portable copy wrote a language unasked"
[[ $(cd "$portable" && sha256sum *) == "$beside" ]] || fail "the portable copy changed its folder"
echo "system install ok"

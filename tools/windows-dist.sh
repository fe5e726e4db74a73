#!/usr/bin/env bash
# Makes the Windows release in <dist>: taremo-<version>-windows-x86_64.zip (the stripped
# executable, our licence, Qt's licences and the third-party notices) and the installer
# taremo-<version>-windows-x86_64.msi holding the same files; both at the time of the last
# commit ($SOURCE_DATE_EPOCH), so that one commit always gives the same bytes. Then, under wine
# on a private Xvfb display:
#   - the zip's game, with a start.ini beside it, shows its main window; F2 opens the new-grid
#     dialog with an empty title, Enter makes a grid, and F3 quits and writes the difficulty
#     file beside it;
#   - the installer, run quietly, puts the game and its Start-menu shortcut in place; the game
#     started from there asks for a language in a dialog with an empty title, and keeps both
#     settings files in %APPDATA%\Taremo and nothing in its own folder; a quiet uninstall takes
#     the game and its shortcut away and leaves the player's settings.
#   tools/windows-dist.sh <windows build folder> <dist folder> <Qt for Windows folder>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
dist=$(realpath -m "$2")
qt=$(realpath "$3")
{ read -r version && read -r msi_version; } <"$build/release-version.txt"
product=''
name=taremo-$version-windows-x86_64
zip=$dist/$name.zip
msi=$dist/$name.msi
wine=/usr/lib/wine/wine64
# No menu entries on the host for the installed shortcut.
export WINEPREFIX=$build/wine-smoke WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
: "${SOURCE_DATE_EPOCH:=$(git -C "$here" log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH

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

# A fixed UUID from a text, in the form of a name-based one.
uuid_of() {
    local h
    h=$(printf '%s' "$1" | sha256sum | cut -c1-32)
    printf '%s-%s-5%s-%x%s-%s\n' "${h:0:8}" "${h:8:4}" "${h:13:3}" \
        $(((0x${h:16:1} & 3) | 8)) "${h:17:3}" "${h:20:12}" | tr a-f A-F
}

# The files, at the commit's time and in a fixed order, into the zip and the installer.
pack() {
    local files=(taremo.exe LICENSE.txt LICENSE.LGPL-3.0.txt LICENSE.GPL-3.0.txt
        THIRD-PARTY-NOTICES.txt)
    local stage=$work/stage
    mkdir -p "$stage" "$dist"
    x86_64-w64-mingw32-strip -o "$stage/taremo.exe" "$build/taremo.exe"
    sed 's/$/\r/' "$here/LICENSE" >"$stage/LICENSE.txt"
    python3 "$here/tools/windows_notices.py" --qt-record "$qt/share/taremo" --out "$stage" \
        --version "$version" --commit "$(git -C "$here" rev-parse HEAD)" \
        --link-map "$build/taremo.map" --qt-prefix "$qt" --game-build "$build" >/dev/null
    cp "$build/taremo.ico" "$here/resources/taremo.wxs" "$stage/"
    touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
    rm -f "$zip" "$msi"
    # Python's zip writer stores the time given and no other: no access or change times.
    (cd "$stage" && python3 - "$zip" "$SOURCE_DATE_EPOCH" "${files[@]}" <<'PY'
import sys, time, zipfile
out, epoch, *names = sys.argv[1:]
with zipfile.ZipFile(out, "w") as archive:
    for name in names:
        entry = zipfile.ZipInfo(name, time.gmtime(int(epoch))[:6])
        entry.compress_type, entry.external_attr = zipfile.ZIP_DEFLATED, 0o644 << 16
        with open(name, "rb") as data:
            archive.writestr(entry, data.read(), compresslevel=9)
PY
    )
    echo "Made $zip"

    # The installer's version is major.minor.revision; the product code changes with it, and
    # the package code with the files.
    local package when
    product=$(uuid_of "Taremo product $msi_version")
    package=$(uuid_of "Taremo package $(cd "$stage" && sha256sum "${files[@]}" taremo.wxs)")
    when=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
    (cd "$stage" && faketime -f "@$when" wixl -a x64 -D Version="$msi_version" \
        -D ProductCode="$product" -D PackageCode="$package" -o "$msi" taremo.wxs)
    # wixl draws the package code at random: it is set again, as the summary says.
    faketime -f "@$when" msibuild "$msi" -s "Taremo $msi_version installer" \
        "The Taremo developers" "x64;1033" "{$package}"
    echo "Made $msi"
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

# The dialogs have no caption: the game's visible windows other than $1 must have an empty
# title, where Windows would otherwise show the program's name.
untitled() {
    local id name
    for id in $(xdotool search --onlyvisible --class taremo 2>/dev/null); do
        [[ $id == "$1" ]] && continue
        name=$(xdotool getwindowname "$id")
        [[ -z $name ]] || fail "$2 has the title '$name'"
    done
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
    untitled "$main" "the new-grid dialog"
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
    echo "Windows smoke test passed: main window, an untitled new-grid dialog, a grid from F2" \
        "and Enter, niveau.ini on F3"
}

# A folder of the wine prefix's user, by its variable, as a Linux path.
wine_folder() {
    "$wine" winepath -u "$("$wine" cmd /c echo "%$1%" | tr -d '\r')" 2>/dev/null
}

install_and_remove() {
    local programs appdata shortcut settings main listed
    programs=$(wine_folder LOCALAPPDATA)/Programs/Taremo
    appdata=$(wine_folder APPDATA)
    settings=$appdata/Taremo
    shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Taremo.lnk"
    rm -rf "$settings"
    "$wine" msiexec /i "$(winepath_of "$msi")" /qn /norestart || fail "the quiet install failed"
    listed=$(cd "$programs" 2>/dev/null && ls | tr '\n' ' ')
    [[ $listed == "LICENSE.GPL-3.0.txt LICENSE.LGPL-3.0.txt LICENSE.txt THIRD-PARTY-NOTICES.txt taremo.exe " ]] ||
        fail "the install folder $programs holds: $listed"
    [[ -f $shortcut ]] || fail "no Start-menu shortcut"
    # Apps & features lists what the uninstall key says (wine keeps it in the machine's part).
    local key=Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{$product} entry
    entry=$({ "$wine" reg query "HKCU\\$key" || "$wine" reg query "HKLM\\$key"; } 2>/dev/null |
        tr -d '\r' | sed -n 's/^ *\(DisplayName\|DisplayVersion\|Publisher\) *REG_SZ *//p' |
        paste -sd '|')
    [[ $entry == "Taremo|$msi_version|The Taremo developers" ]] ||
        fail "Apps & features would show: $entry"

    # From the shortcut: a first start asks for the language; the desktop's is offered.
    LC_ALL=C "$wine" start /wait "$(winepath_of "$shortcut")" >/dev/null 2>&1 &
    game=$!
    windows_become 1 || fail "the installed game showed no language dialog"
    untitled none "the language dialog"
    xdotool key space
    main=$(timeout 60 xdotool search --sync --onlyvisible --name '^  ta \| re \| mo$' | head -1)
    [[ -n $main ]] || fail "the installed game showed no main window after the language"
    xdotool windowfocus --sync "$main" key F3
    timeout 60 tail --pid="$game" -f /dev/null || fail "F3 did not end the installed game"
    game=''
    cmp -s "$settings/start.ini" <(printf '[LastOpen]\r\nLanguage=1\r\n') ||
        fail "%APPDATA%\\Taremo\\start.ini does not hold the two expected lines"
    cmp -s "$settings/niveau.ini" <(printf '[Niveau]\r\nNiveauChoisi=0\r\n') ||
        fail "%APPDATA%\\Taremo\\niveau.ini does not hold the two expected lines"
    listed=$(cd "$programs" && ls | tr '\n' ' ')
    [[ $listed != *.ini* ]] || fail "the installed game wrote into its folder: $listed"

    # Windows keeps a running program's file: the uninstall waits until every process of the
    # prefix has quit.
    /usr/lib/wine/wineserver -w
    "$wine" msiexec /x "$(winepath_of "$msi")" /qn /norestart || fail "the quiet uninstall failed"
    [[ ! -e $programs/taremo.exe && ! -e $shortcut ]] || fail "the uninstall left the game"
    [[ -f $settings/start.ini && -f $settings/niveau.ini ]] ||
        fail "the uninstall took the player's settings"
    echo "Windows installer test passed: quiet install, shortcut, an untitled language dialog," \
        "settings in %APPDATA%\\Taremo, quiet uninstall"
}

winepath_of() { "$wine" winepath -w "$1" 2>/dev/null; }

pack
start_display
play
install_and_remove

#!/usr/bin/env bash
# Builds, once, a static Qt for 64-bit Windows from Debian's own qtbase source with MinGW-w64,
# using the host's Qt tools, and prints the folder it is installed in. Later runs with the same
# Qt version and configuration find it in the cache and return at once.
#   tools/build-qt-windows.sh [jobs]
# The cache lives in $TAREMO_QT_CACHE (default ~/.cache/taremo), outside any build folder;
# apt's configuration in $TAREMO_APT_DIR (default /etc/apt).
set -eEuo pipefail
shopt -s inherit_errexit
# Whatever stops the script says which step it was in.
step="preparing"
on_error() {
    local rc=$?
    [[ $BASHPID != "$$" ]] || echo "build-qt-windows: $step failed (line $1, ${2%% *}, exit $rc)" >&2
}
trap 'on_error $LINENO "$BASH_COMMAND"' ERR
fail() { echo "build-qt-windows: $*" >&2; exit 1; }
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-$(nproc 2>/dev/null || echo 2)}
version=6.4.2
toolchain=$here/cmake/mingw-w64-x86_64.cmake

# Core, Gui and Widgets with the windows platform, the vista style and the jpeg and ico
# readers, and Test for the window tests of the Windows build (the game never links it). Debian's source lacks the tablet headers; the DirectWrite font database needs
# direct2d, so only OpenGL itself is dropped.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_testlib=ON -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
    -DFEATURE_style_windowsvista=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF
    # Built for size: -Os, each function and datum in a section of its own (Qt does that for
    # a static build) for the game's link to drop those it never reaches, and the parts the
    # game never uses left out, with the bundled code they alone bring: FreeType
    # (the DirectWrite engine draws the text), md4c, the style-sheet engine, the graphics
    # view, and widgets, image formats and writers no window of the game shows. (XPM stays:
    # drag and drop needs it, and Qt 6.4's widgets do not build without drag and drop.)
    # No link-time optimisation: Qt's objects for MinGW are in the big-object format, whose
    # intermediate code the linker's plugin does not read.
    -DFEATURE_optimize_size=ON
    -DFEATURE_freetype=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_pdf=OFF -DFEATURE_style_stylesheet=OFF
    -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF -DFEATURE_mdiarea=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_wizard=OFF
    -DFEATURE_undoview=OFF -DFEATURE_undogroup=OFF -DFEATURE_undostack=OFF
    -DFEATURE_undocommand=OFF -DFEATURE_columnview=OFF -DFEATURE_keysequenceedit=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_fontcombobox=OFF
    -DFEATURE_splashscreen=OFF -DFEATURE_syntaxhighlighter=OFF -DFEATURE_datawidgetmapper=OFF
    -DFEATURE_textbrowser=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
    -DFEATURE_sessionmanager=OFF -DFEATURE_systemtrayicon=OFF
    -DFEATURE_movie=OFF
    # No install folder of the build machine in the game: a relocatable static Qt takes the
    # executable's own folder as its prefix, and the game loads no plugin from any.
    -DFEATURE_relocatable=ON
)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion) ||
    fail "no MinGW-w64 compiler x86_64-w64-mingw32-g++-posix: tools/ensure-deps.sh windows"
# How the build is made beyond its options (see below); a change here builds Qt afresh.
recipe="mapped source and build folders, the Debian source's date"
key=$(printf '%s\n' "$version" "$compiler" "$recipe" "${options[@]}" | sha256sum | cut -c1-12)
cache=${TAREMO_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/taremo}
prefix=$cache/qt-$version-mingw64-static-$key
if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

# apt-get source needs deb-src entries. A first try takes what apt already has; when it fails
# (no deb-src entries yet, or lists not updated since they were added, as after an interrupted
# run), the entries mirroring the deb ones are written afresh, the lists updated, and it tries
# once more. Both need root.
apt_dir=${TAREMO_APT_DIR:-/etc/apt}
add_deb_src() {
    local list=$apt_dir/sources.list.d/taremo-deb-src
    [[ $(id -u) -eq 0 ]] || fail "adding deb-src entries needs root: run as root" \
        "'bash $here/tools/deb-src-list.sh $apt_dir $list && apt-get update', then this again"
    step="writing deb-src entries to $list"
    bash "$here/tools/deb-src-list.sh" "$apt_dir" "$list"
    step="apt-get update"
    apt-get update -qq >&2
}

# Into an empty folder $1, its errors kept in $1.log.
get_source() {
    rm -rf "$1" && mkdir -p "$1" && (cd "$1" && apt-get source -qq qt6-base >&2 2>"$1.log")
}

source_dir=
fetch_source() {
    local src=$cache/source-$version
    if [[ ! -f $src/.complete ]]; then
        step="fetching the qt6-base source"
        if ! get_source "$src"; then
            echo "build-qt-windows: apt-get source qt6-base failed ($(tail -1 "$src.log"));" \
                "adding deb-src entries, updating apt's lists and trying again" >&2
            add_deb_src
            step="fetching the qt6-base source"
            get_source "$src" ||
                fail "apt-get source qt6-base failed again ($(tail -1 "$src.log")); see $src.log"
        fi
        touch "$src/.complete"
    fi
    source_dir=$(find "$src" -mindepth 1 -maxdepth 1 -type d -name "qt6-base-$version*" | head -1)
    [[ -n $source_dir ]] || fail "no qt6-base-$version* folder in $src"
}

fetch_source
work=$cache/build-$version-$key
rm -rf "$work" "$prefix"
# The same bytes whoever builds it, wherever: the source and build folders are named alike in
# what the compiler writes (assertion texts, debugging information), and each time Qt writes
# (the resources' dates) is that of the Debian source, not of the game's commit or the clock.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH
unset QT_RCC_SOURCE_DATE_OVERRIDE
path_map="-ffile-prefix-map=$source_dir/=qtbase/ -ffile-prefix-map=$work/=qtbuild/"
step="configuring Qt"
cmake -S "$source_dir" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_C_FLAGS="$path_map" -DCMAKE_CXX_FLAGS="$path_map" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
step="building Qt"
cmake --build "$work" -j "$jobs" >&2
step="installing Qt into $prefix"
cmake --install "$work" >&2
# What the licence notices are made from: every file of Qt's source that went into an object
# of this build (each source and the headers it included), Qt's attribution files with the
# licence texts they name, Qt's own licences, and the Debian version of the source.
step="recording what was built into $prefix/share/taremo"
record=$prefix/share/taremo
mkdir -p "$record"
# Qt Test is built for the tests alone and never goes into the release, so its files are left out.
ninja -C "$work" -t deps | sed -n "s|^ *$source_dir/||p" | grep -v '^src/testlib/' |
    LC_ALL=C sort -u >"$record/built-files.txt"
[[ -s $record/built-files.txt ]] || fail "the build's dependency log names no file of $source_dir"
(cd "$source_dir" && find . -name qt_attribution.json -not -path './tests/*' \
    -not -path './examples/*' -not -path './debian/*' -print0 |
    LC_ALL=C sort -z | xargs -0 -I{} cp --parents {} "$record/") 
(cd "$source_dir" && find . \( -path ./tests -o -path ./examples -o -path ./debian \) -prune -o \
    -type f \( -iname '*licen[cs]e*' -o -iname 'COPYING*' -o -iname 'NOTICE*' \) -print |
    LC_ALL=C sort | xargs -I{} cp --parents {} "$record/")
cp -r "$source_dir/LICENSES" "$record/"
dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version >"$record/debian-version"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"

#!/usr/bin/env bash
# The Windows release's notices from a small record of a Qt build: only the bundled code that was
# built is listed, with its version and licence text, whether an entry speaks for its folder, a
# path in it or a list of files; built bundled code without an entry stops the run, naming it.
#   tests/check_windows_notices.sh
set -euo pipefail
tool=$(dirname "$0")/../tools/windows_notices.py
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*"; exit 1; }
record=$scratch/record

entry() { # folder, then the JSON of the attribution file, then licence files as name=text
    mkdir -p "$record/$1"
    printf '%s\n' "$2" >"$record/$1/qt_attribution.json"
    local licence
    for licence in "${@:3}"; do printf '%s\n' "${licence#*=}" >"$record/$1/${licence%%=*}"; done
}
entry src/3rdparty/zlib '{ "Id": "zlib", "Name": "Data Compression Library (zlib)",
    "Version": "1.2.13", "License": "zlib License", "LicenseId": "Zlib",
    "LicenseFile": "LICENSE", "Copyright": "(C) 1995-2022 Jean-loup Gailly
and Mark Adler" }' "LICENSE=zlib licence text"
entry src/3rdparty/md4c '{ "Id": "md4c", "Name": "MD4C", "License": "MIT License",
    "LicenseFile": "LICENSE.md" }' "LICENSE.md=md4c licence text"
entry src/3rdparty/libjpeg '{ "Id": "libjpeg", "Name": "LibJPEG-turbo", "License": "IJG",
    "LicenseFiles": ["LICENSE", "ijg-license.txt"] }' "LICENSE=turbo text" "ijg-license.txt=ijg text"
entry src/3rdparty/sha3 '{ "Id": "sha3_keccak", "Name": "Keccak", "License": "CC0",
    "Files": "KeccakSponge.c KeccakSponge.h" }'
entry src/gui/painting '[ { "Id": "grayraster", "Name": "Anti-aliasing rasterizer",
    "Path": "qgrayraster.c", "License": "FTL" },
  { "Id": "xserverhelper", "Name": "X Server helper", "Files": "qregion.cpp qregion_x.cpp",
    "License": "X11", "LicenseFile": "X_LICENSE.txt" } ]' "X_LICENSE.txt=X licence text"
entry src/corelib/tools '{ "Id": "siphash", "Name": "SipHash Algorithm",
    "Files": "qsiphash.cpp", "License": "CC0" }'
entry util/gradientgen '{ "Id": "webgradients", "Name": "WebGradients",
    "Files": "webgradients.css", "License": "MIT License" }'
mkdir -p "$record/LICENSES"
echo "LGPL text" >"$record/LICENSES/LGPL-3.0-only.txt"
echo "GPL text" >"$record/LICENSES/GPL-3.0-only.txt"
echo "6.4.2+dfsg-10" >"$record/debian-version"

run() { python3 "$tool" --qt-record "$record" --out "$scratch/out" --version 2.57 --commit abc; }
# A header of Keccak's folder that its entry's list forgot goes with Keccak's notice.
printf '%s\n' src/3rdparty/zlib/src/adler32.c src/3rdparty/libjpeg/src/jerror.c \
    src/3rdparty/sha3/KeccakSponge.c src/3rdparty/sha3/KeccakF-1600-int-set.h \
    src/gui/painting/qregion.cpp src/gui/painting/webgradients.cpp \
    src/gui/painting/qbrush.cpp src/corelib/tools/qhash.cpp >"$record/built-files.txt"
ids=$(run) || fail "the notices of a fully attributed build failed: $ids"
[[ $ids == "Notices of Qt's bundled code: libjpeg sha3_keccak zlib xserverhelper webgradients" ]] ||
    fail "listed: $ids"
notices=$(tr -d '\r' <"$scratch/out/THIRD-PARTY-NOTICES.txt")
for text in "Data Compression Library (zlib), version 1.2.13 (bundled in Qt)" \
    "Licence: zlib License (Zlib)" $'(C) 1995-2022 Jean-loup Gailly\nand Mark Adler' \
    "zlib licence text" "turbo text" "ijg text" "X licence text" "qt6-base=6.4.2+dfsg-10" \
    "commit abc" "make windows"; do
    [[ $notices == *"$text"* ]] || fail "the notices lack: $text"
done
[[ $notices != *md4c* && $notices != *Anti-aliasing* && $notices != *SipHash* ]] ||
    fail "code not built is listed"
[[ $(tr -d '\r' <"$scratch/out/LICENSE.LGPL-3.0.txt") == "LGPL text" ]] || fail "no LGPL text"
[[ $(head -c 5 "$scratch/out/LICENSE.GPL-3.0.txt") == "GPL t" ]] || fail "no GPL text"

# A bundled library built without an entry, beside covered ones.
echo src/3rdparty/newlib/src/a.c >>"$record/built-files.txt"
echo src/3rdparty/zlib/src/zutil.c >>"$record/built-files.txt"
if message=$(run 2>&1); then fail "bundled code without an entry was let through"; fi
[[ $message == *"no attribution entry: src/3rdparty/newlib" ]] || fail "said: $message"
echo "notices checked"

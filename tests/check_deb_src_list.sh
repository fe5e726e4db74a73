#!/usr/bin/env bash
# The Windows build's deb-src step on each layout of apt's sources: deb822 only (as Debian 12
# installs), a classic sources.list only, and both; with nothing to mirror it fails, saying why.
#   tests/check_deb_src_list.sh
set -euo pipefail
step=$(dirname "$0")/../tools/deb-src-list.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*"; exit 1; }

deb822='Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
# A stanza with its own deb-src gets no copy.
extra=$'\n\nTypes: deb deb-src\nURIs: http://example.org/extra\nSuites: bookworm\nComponents: main'
# The commented line and the entry whose deb-src is there get no copy, and in the mixed layout
# that suite drops out of the deb822 copy; the last entry stands in a *.list file of its own.
key=/usr/share/keyrings/debian-archive-keyring.gpg
classic="# deb cdrom:[Debian GNU/Linux 12]/ bookworm main
deb [signed-by=$key] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$key] http://deb.debian.org/debian bookworm main
deb [arch=amd64] http://ftp.example.org/debian/ bookworm-updates main contrib"
security='  deb http://security.debian.org/debian-security bookworm-security main'
classic_src='deb-src [arch=amd64] http://ftp.example.org/debian/ bookworm-updates main contrib
  deb-src http://security.debian.org/debian-security bookworm-security main'

for layout in deb822 classic both; do
    dir=$scratch/$layout
    mkdir -p "$dir/sources.list.d"
    declare -A want=([sources]='' [list]='')
    [[ $layout == classic ]] || { echo "$deb822$extra" >"$dir/sources.list.d/debian.sources";
                                  want[sources]=${deb822//Types: deb/Types: deb-src}; }
    [[ $layout == deb822 ]] || { echo "$classic" >"$dir/sources.list"; want[list]=$classic_src;
                                 echo "$security" >"$dir/sources.list.d/security.list"; }
    [[ $layout != both ]] || want[sources]=${want[sources]/bookworm bookworm-/bookworm-}
    out=$dir/sources.list.d/taremo-deb-src
    # The second run finds the first one's files in place and must not count them as there.
    for run in first second; do
        bash "$step" "$dir" "$out" || fail "$layout: the $run run failed"
        for kind in sources list; do
            got=$(cat "$out.$kind" 2>/dev/null || true)
            [[ $got == "${want[$kind]}" ]] || fail "$layout, $run run: $out.$kind holds:"$'\n'"$got"
        done
    done
done

# Neither a folder without sources nor one without a deb entry has anything to mirror.
mkdir "$scratch/empty" "$scratch/commented"
echo '# deb http://deb.debian.org/debian bookworm main' >"$scratch/commented/sources.list"
for dir in empty commented; do
    if said=$(bash "$step" "$scratch/$dir" "$scratch/out" 2>&1); then fail "$dir: passed"; fi
    [[ $said == "deb-src-list: no "* ]] || fail "$dir: said $said"
done

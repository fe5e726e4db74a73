#!/usr/bin/env bash
# Writes deb-src entries mirroring the deb entries of an apt configuration, for apt-get source:
#   tools/deb-src-list.sh APT_DIR OUT
# Reads APT_DIR/sources.list and APT_DIR/sources.list.d/*.list and *.sources (any of them may be
# missing). OUT.sources gets a "Types: deb-src" copy of each enabled deb822 stanza whose Types
# include deb, OUT.list a deb-src line for each classic deb line. An entry whose deb-src is
# already there is left out, as are OUT's own files from an earlier run; an output with nothing
# to hold is removed. Fails, saying why, when the configuration holds no deb entry at all.
set -euo pipefail
shopt -s nullglob
fail() { echo "deb-src-list: $*" >&2; exit 1; }
[[ $# -eq 2 ]] || fail "usage: $0 APT_DIR OUT"
apt_dir=$1
out=$2
[[ -d $apt_dir ]] || fail "no apt configuration folder $apt_dir"

files=()
for f in "$apt_dir/sources.list" "$apt_dir"/sources.list.d/*.{list,sources}; do
    [[ -f $f && ! $f -ef $out.sources && ! $f -ef $out.list ]] && files+=("$f")
done
((${#files[@]})) || fail "no sources.list, sources.list.d/*.list or *.sources in $apt_dir"

tmp=$(mktemp -d) || fail "cannot make a temporary folder"
trap 'rm -rf "$tmp"' EXIT
# Two passes over the files: the first notes the deb-src entries there are, the second copies
# each deb entry that lacks one. An entry's key is its URI, suite and components.
status=0
awk -v sources="$tmp/out.sources" -v list="$tmp/out.list" '
    function key(uri, suite, components) {
        sub(/\/+$/, "", uri)
        return uri " " suite " " components
    }
    function words(s) { gsub(/[ \t]+/, " ", s); sub(/^ /, "", s); sub(/ $/, "", s); return s }
    # One deb822 stanza, gathered in line[1..n] (each of field lineField[i]) and value[field].
    # Its copy names only the suites that lack a deb-src entry for some URI.
    function stanza(   types, components, u, s, U, S, nu, ns, missing, i, l) {
        types = " " words(value["types"]) " "
        components = words(value["components"])
        nu = split(value["uris"], U)
        ns = split(value["suites"], S)
        if (tolower(words(value["enabled"])) == "no")
            return
        if (stanzaPass == 1) {
            if (types ~ / deb-src /)
                for (u = 1; u <= nu; u++)
                    for (s = 1; s <= ns; s++)
                        have[key(U[u], S[s], components)]
            return
        }
        if (types !~ / deb /)
            return
        found++
        missing = ""
        for (s = 1; s <= ns; s++)
            for (u = 1; u <= nu; u++)
                if (!(key(U[u], S[s], components) in have)) {
                    if (!index(missing " ", " " S[s] " "))
                        missing = missing " " S[s]
                    have[key(U[u], S[s], components)]
                }
        if (missing == "")
            return
        for (i = 1; i <= n; i++) {
            l = line[i]
            if (lineField[i] == "types")
                l = "Types: deb-src"
            else if (lineField[i] == "suites")
                l = lineField[i - 1] == "suites" ? "" : "Suites:" missing
            if (l != "")
                print l > sources
        }
        print "" > sources
    }
    function flush() {
        if (n)
            stanza()
        n = 0
        field = ""
        split("", value)
    }
    FNR == 1 { flush() }
    FILENAME ~ /\.sources$/ {
        if ($0 ~ /^[ \t]*$/) { flush(); next }
        if ($0 ~ /^#/) next
        if (!n) stanzaPass = pass
        line[++n] = $0
        if ($0 ~ /^[ \t]/) { # a value goes on
            value[field] = value[field] " " $0
        } else {
            field = tolower(substr($0, 1, index($0, ":") - 1))
            value[field] = substr($0, index($0, ":") + 1)
        }
        lineField[n] = field
        next
    }
    {
        entry = $0
        sub(/#.*/, "", entry)
        if (entry !~ /^[ \t]*deb(-src)?[ \t]/) next
        nf = split(entry, F)
        i = 2
        if (F[2] ~ /^\[/) { while (i < nf && F[i] !~ /\]$/) i++; i++ } # [options]
        components = ""
        for (c = i + 2; c <= nf; c++) components = components (c > i + 2 ? " " : "") F[c]
        k = key(F[i], F[i + 1], components)
        if (pass == 1) { if (F[1] == "deb-src") have[k]; next }
        if (F[1] != "deb") next
        found++
        if (k in have) next
        have[k]
        sub(/deb/, "deb-src")
        print > list
    }
    END { flush(); exit found ? 0 : 3 }
' pass=1 "${files[@]}" pass=2 "${files[@]}" || status=$?
((status != 3)) || fail "no deb entry in ${files[*]}"
((status == 0)) || fail "reading ${files[*]} failed"

for kind in sources list; do
    if [[ -s $tmp/out.$kind ]]; then
        install -m 644 "$tmp/out.$kind" "$out.$kind" || fail "cannot write $out.$kind"
    else
        rm -f "$out.$kind" || fail "cannot remove $out.$kind"
    fi
done

#!/usr/bin/env bash
# Runs one fuzzer for a bounded time over its committed seeds and the corpus it grew in earlier
# runs. Any crash, leak, sanitizer report, slow input or memory overrun fails the run, and the
# input that caused it is left in <work folder>/artifacts.
# Usage: run.sh <fuzzer> <target: settings|board> <seconds> <work folder>
set -euo pipefail
fuzzer=$1 target=$2 seconds=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
seeds=$here/corpus/$target
mkdir -p "$work/corpus" "$work/artifacts"

options=(-max_total_time="$seconds" -timeout=20 -print_final_stats=1
         -artifact_prefix="$work/artifacts/")
corpora=("$work/corpus" "$seeds")

# Settings files of a few megabytes, made here rather than kept in the repository: the reader
# must get through them within its fixed buffers.
make_big_seeds() {
    local big=$1
    mkdir -p "$big"
    [[ -s $big/split-line-ending ]] && return # made last
    { printf '[LastOpen]\r\nLanguage='; head -c 3000000 /dev/zero | tr '\0' 7; printf '\r\n'; } \
        >"$big/long-value"
    head -c 2000000 /dev/zero | tr '\0' '\r' >"$big/cr-only"
    { head -c 1500000 < <(yes x); printf '[Niveau]\nNiveauChoisi=2\n'; } >"$big/far-section"
    # The first 64 KiB read ends between a CR and its LF; the key is then the 200th line, the
    # last the reader looks at, so an LF taken for a line of its own would lose it.
    { printf '[LastOpen]\r\n'; head -c 65523 /dev/zero | tr '\0' y; printf '\r\nx%d' $(seq 198)
      printf '\r\nLanguage=7\r\n'; } >"$big/split-line-ending"
}

case $target in
settings)
    make_big_seeds "$work/big-seeds"
    corpora+=("$work/big-seeds")
    # Inputs up to 4 MB. The sanitizer's quarantine of freed blocks counts in the resident
    # size, hence a limit well above what the reader itself needs.
    options+=(-max_len=4000000 -rss_limit_mb=1024 -dict="$here/settings.dict")
    ;;
board)
    options+=(-max_len=4096)
    ;;
*)
    echo "unknown fuzz target: $target" >&2
    exit 2
    ;;
esac

exec "$fuzzer" "${options[@]}" "${corpora[@]}"

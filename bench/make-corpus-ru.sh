#!/bin/sh
# bench/make-corpus-ru.sh OUT BYTES
# A Russian corpus for the Unicode words benchmark: the fortunes of Debian's
# fortunes-ru (UTF-8 Russian prose and dialogue), repeated and cut at the
# last line end within BYTES bytes, so that it weighs as much as the English
# corpus.
# Installs fortunes-ru with apt-get when it is missing (run as root).
set -eu

OUT=${1:?usage: make-corpus-ru.sh OUT BYTES}
BYTES=${2:?usage: make-corpus-ru.sh OUT BYTES}
DIR=/usr/share/games/fortunes/ru

if [ ! -d "$DIR" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends fortunes-ru
fi

one=$(mktemp)
trap 'rm -f "$one"' EXIT
# The fortunes themselves; the .dat index files are binary.
find "$DIR" -type f ! -name '*.dat' ! -name '*.u8' | sort | xargs cat >"$one"
[ -s "$one" ] || { echo "make-corpus-ru: no fortunes in $DIR" >&2; exit 1; }

many=$(mktemp)
trap 'rm -f "$one" "$many"' EXIT
while [ "$(wc -c <"$many")" -lt "$BYTES" ]; do
    cat "$one" >>"$many"
done
# Whole lines only: the bytes after the last line end within BYTES go.
head -c "$BYTES" "$many" | sed '$d' >"$OUT"
echo "make-corpus-ru: $OUT, $(wc -c <"$OUT") bytes"

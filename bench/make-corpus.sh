#!/bin/sh
# bench/make-corpus.sh OUT [COPIES]
# The benchmark corpus: the King James Bible from Debian's bible-kjv
# packages (public domain English prose), one verse per line as
# "chapter:verse text", repeated COPIES times (default 10) into OUT.
# Installs bible-kjv and bible-kjv-text with apt-get when `bible` is
# missing, so it runs as root (run-bench.sh uses sudo otherwise).
set -eu

OUT=${1:?usage: make-corpus.sh OUT [COPIES]}
COPIES=${2:-10}

if ! command -v bible >/dev/null 2>&1; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends bible-kjv bible-kjv-text
fi

one=$(mktemp)
trap 'rm -f "$one"' EXIT
# -f prints each verse on one line after its reference ("Ge1:1 In the ...");
# the book's abbreviation is dropped.
LC_ALL=C bible -f 'Gen1:1-Rev22:21' | LC_ALL=C sed -E 's/^[1-3]?[A-Za-z]+([0-9]+:[0-9]+ )/\1/' >"$one"

verses=$(wc -l <"$one")
if [ "$verses" -ne 31102 ]; then
    echo "make-corpus: expected 31102 verses, got $verses" >&2
    exit 1
fi

: >"$OUT"
i=0
while [ "$i" -lt "$COPIES" ]; do
    cat "$one" >>"$OUT"
    i=$((i + 1))
done
echo "make-corpus: $OUT, $(wc -c <"$OUT") bytes, $COPIES copies"

#!/bin/sh
# make bench: times lexicount-cli against `wc -w`, the optimized C word
# counter of the public countwords benchmark (built from
# ../shared/bench/countwords-optimized.c when that file is there) and a
# classic shell pipeline on the same corpus (ten copies of the King James
# Bible), on one core and on all of them. hyperfine times the commands in
# rounds that take turns, so that a busy spell of the (shared) machine falls
# on all of them alike; each ratio is the median of the ratios of the
# rounds. Peak memory is measured on the corpus and on three copies of it.
# The window (lexicount on Qt's offscreen platform) counts the same corpus,
# to show what keeping it responsive during the scan costs.
#   bench/run-bench.sh BUILD_DIR [RUNS]
set -eu

BUILD_DIR=${1:-build}
RUNS=${2:-9}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
CORPUS_DIR="$ROOT/bench/corpus"
CORPUS="$CORPUS_DIR/kjv10.txt"
MAKE_CORPUS="$ROOT/bench/make-corpus.sh"
CLI="$ROOT/$BUILD_DIR/lexicount-cli"
GUI="$ROOT/$BUILD_DIR/lexicount"

if [ ! -s "$CORPUS" ]; then
    mkdir -p "$CORPUS_DIR"
    if [ ! -f "$MAKE_CORPUS" ]; then
        echo "bench: $MAKE_CORPUS not found" >&2
        exit 1
    fi
    if [ "$(id -u)" -eq 0 ]; then
        sh "$MAKE_CORPUS" "$CORPUS" 10
    else
        sudo sh "$MAKE_CORPUS" "$CORPUS" 10
    fi
fi

BYTES=$(wc -c <"$CORPUS")
CORPUS_RU="$CORPUS_DIR/fortunes-ru.txt"
if [ ! -s "$CORPUS_RU" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        sh "$ROOT/bench/make-corpus-ru.sh" "$CORPUS_RU" "$BYTES"
    else
        sudo sh "$ROOT/bench/make-corpus-ru.sh" "$CORPUS_RU" "$BYTES"
    fi
fi
TIMES=$(mktemp)
trap 'rm -f "$TIMES" "$TIMES".*' EXIT

# One timed run of a command, "seconds peak_kb" appended to a file: the
# wall time to the microsecond (time's own is to the hundredth), the peak
# from time.
time_into() {
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$1.kb" sh -c "$2" >/dev/null
    end=$(date +%s%N)
    awk -v ns="$((end - start))" -v kb="$(cat "$1.kb")" 'BEGIN { printf "%.6f %s\n", ns / 1e9, kb }' >>"$1"
}

# "median_seconds peak_kb" of the runs in a file.
summarise() {
    sort -n "$1" | awk '{ t[NR] = $1; if ($2 > m) m = $2 } END { print t[int((NR + 1) / 2)], m }'
}

report() {
    name=$1
    set -- $2
    awk -v name="$name" -v s="$1" -v kb="$2" -v bytes="$BYTES" 'BEGIN {
        mbs = (s > 0) ? bytes / 1e6 / s : 0
        printf "%-12s %8.3f s %9.1f MB/s %9.1f MB peak\n", name, s, mbs, kb / 1024 }'
}

# The C counter, built beside the corpus when its source is there.
C_SOURCE="$ROOT/../shared/bench/countwords-optimized.c"
C_COUNTER="$CORPUS_DIR/countwords-optimized"
if [ -f "$C_SOURCE" ]; then
    if [ ! -x "$C_COUNTER" ] || [ "$C_SOURCE" -nt "$C_COUNTER" ]; then
        gcc -O2 "$C_SOURCE" -o "$C_COUNTER" || rm -f "$C_COUNTER"
    fi
else
    rm -f "$C_COUNTER"
fi

# Rounds of hyperfine over NAME COMMAND pairs: each round runs every
# command twice, the commands in turn (the corpus is read once before, so
# every run finds it cached). Leaves the median seconds of each round in
# $TIMES.NAME, a line a round.
ROUNDS=$RUNS
cat "$CORPUS" >/dev/null
rounds() {
    count=$1
    shift
    : >"$TIMES.names"
    : >"$TIMES.cmds"
    while [ $# -gt 0 ]; do
        echo "$1" >>"$TIMES.names"
        : >"$TIMES.$1"
        printf '%s\n' "$2" >>"$TIMES.cmds"
        shift 2
    done
    r=0
    while [ "$r" -lt "$count" ]; do
        old_ifs=$IFS
        IFS='
'
        # One command a line of the file, each an argument.
        # Its warnings about a noisy machine are kept unless it fails.
        # shellcheck disable=SC2046
        if ! hyperfine -w 0 -r 2 -S sh --style none --export-csv "$TIMES.csv" $(cat "$TIMES.cmds") \
            >/dev/null 2>"$TIMES.err"; then
            cat "$TIMES.err" >&2
            exit 1
        fi
        IFS=$old_ifs
        # The median is the fifth field from the end (a command may hold commas).
        tail -n +2 "$TIMES.csv" | awk -F, '{ print $(NF - 4) }' | paste "$TIMES.names" - |
            while read -r name seconds; do echo "$seconds" >>"$TIMES.$name"; done
        r=$((r + 1))
    done
}

# The median of a name's rounds, and of the ratios of two names' rounds.
median_of() {
    sort -g "$TIMES.$1" | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}
ratio() {
    paste "$TIMES.$1" "$TIMES.$2" | awk '{ print $1 / $2 }' | sort -g |
        awk '{ r[NR] = $1 } END { printf "%.2f", r[int((NR + 1) / 2)] }'
}
row() {  # label name
    awk -v name="$1" -v s="$(median_of "$2")" -v bytes="$BYTES" 'BEGIN {
        printf "%-24s %8.3f s %9.1f MB/s\n", name, s, bytes / 1e6 / s }'
}

# The one-core commands are pinned to one processor: steadier on a shared
# machine, and none of them can use a second.
ONE="taskset -c 0"
echo "corpus: $CORPUS ($BYTES bytes); $ROUNDS rounds of 2 runs each, medians"
set -- one "$ONE '$CLI' --jobs 1 '$CORPUS'" all "'$CLI' '$CORPUS'" wc "$ONE wc -w '$CORPUS'"
if [ -x "$C_COUNTER" ]; then set -- "$@" c "$ONE '$C_COUNTER' <'$CORPUS'"; fi
set -- "$@" uni "$ONE '$CLI' --jobs 1 --unicode '$CORPUS'" ru "$ONE '$CLI' --jobs 1 --unicode '$CORPUS_RU'"
rounds "$ROUNDS" "$@"
row "lexicount, one core" one
row "lexicount, all cores" all
row "wc -w" wc
if [ -x "$C_COUNTER" ]; then row "C counter (countwords)" c; fi
row "unicode, one core" uni
row "unicode ru, one core" ru
if [ -x "$C_COUNTER" ]; then
    echo "one core: lexicount / C counter $(ratio one c)x (target <= 1.0); lexicount / wc -w $(ratio one wc)x (target < 1.0)"
    echo "all cores: C counter / lexicount $(ratio c all)x (target >= 1.8); one core / all cores $(ratio one all)x"
else
    echo "one core: lexicount / wc -w $(ratio one wc)x (target < 1.0); the C counter's source is not there: its rows are skipped"
    echo "all cores: one core / all cores $(ratio one all)x"
fi
echo "unicode / default (English): $(ratio uni one)x (target <= 1.5x); Russian / English, both unicode: $(ratio ru uni)x (target <= 2x)"

# The pipeline takes seconds: one round.
rounds 2 pipe "tr -cs A-Za-z '\n' <'$CORPUS' | tr A-Z a-z | sort | uniq -c | sort -rn" one "$ONE '$CLI' --jobs 1 '$CORPUS'"
echo "pipeline / lexicount (one core): $(ratio pipe one)x (target >= 10x)"

# Peak memory grows with the different words, not with the bytes: the
# corpus, then three copies of it, on all cores.
CORPUS3="$CORPUS_DIR/kjv30.txt"
if [ ! -f "$CORPUS3" ] || [ "$(wc -c <"$CORPUS3")" -ne $((BYTES * 3)) ]; then
    cat "$CORPUS" "$CORPUS" "$CORPUS" >"$CORPUS3"
fi
peak() {
    /usr/bin/time -f "%M" -o "$TIMES.kb" "$CLI" "$1" >/dev/null
    awk '{ printf "%.1f", $1 / 1024 }' "$TIMES.kb"
}
echo "peak memory, all cores: corpus $(peak "$CORPUS") MB, three copies $(peak "$CORPUS3") MB (target < 64 MB)"

# Smallest and median of the numbers in a file: "min median".
min_median() {
    sort -n "$1" | awk '{ t[NR] = $1 } END { print t[1], t[int((NR + 1) / 2)] }'
}

if [ -x "$GUI" ]; then
    : >"$TIMES.gui"
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        time_into "$TIMES.gui" "QT_QPA_PLATFORM=offscreen '$GUI' --count-and-quit '$CORPUS' 2>/dev/null"
        i=$((i + 1))
    done
    GUI_RESULT=$(summarise "$TIMES.gui")
    report "window" "$GUI_RESULT"
    # What the yields cost the scan: both programs count the corpus under
    # settings that list next to nothing (only words of 15 or more letters)
    # and report how long their scan took, from the first line to the last,
    # so start-up, drawing the list and quitting do not count. The runs take
    # turns; the smallest time of each is its steadiest estimate on a shared
    # machine (other work only ever adds time), the median is shown beside it.
    TINY=$(mktemp)
    SCAN_SETTINGS=$(mktemp --suffix=.tly)
    echo "one line" >"$TINY"
    "$CLI" --save-settings "$SCAN_SETTINGS" --set cboShortWordSize=13 "$TINY" >/dev/null
    SCAN_RUNS=$((RUNS > 15 ? RUNS : 15))
    : >"$TIMES.cs"
    : >"$TIMES.gs"
    i=0
    while [ "$i" -lt "$SCAN_RUNS" ]; do
        "$CLI" --time --settings "$SCAN_SETTINGS" "$CORPUS" 2>&1 >/dev/null | sed -n 's/^Scan time: \([0-9.]*\) s$/\1/p' >>"$TIMES.cs"
        QT_QPA_PLATFORM=offscreen "$GUI" --count-and-quit "$CORPUS" "$SCAN_SETTINGS" 2>&1 >/dev/null |
            sed -n 's/^Scan time: \([0-9.]*\) s$/\1/p' >>"$TIMES.gs"
        i=$((i + 1))
    done
    rm -f "$TINY" "$SCAN_SETTINGS"
    set -- $(min_median "$TIMES.cs") $(min_median "$TIMES.gs")
    awk -v n="$SCAN_RUNS" -v c="$1" -v cm="$2" -v g="$3" -v gm="$4" 'BEGIN {
        printf "scan alone, %d runs each: smallest lexicount-cli %.3f s, window %.3f s: window / cli %.3fx (target <= 1.05x)\n",
            n, c, g, g / c
        printf "                          median   lexicount-cli %.3f s, window %.3f s: window / cli %.3fx\n",
            cm, gm, gm / cm }'
fi

# Many files: the corpus cut at line ends into 2,000 files, counted with one
# worker and with two, and the same bytes as one file, taking turns.
FOLDER="$CORPUS_DIR/kjv10-2000"
if [ "$(ls "$FOLDER" 2>/dev/null | wc -l)" -ne 2000 ]; then
    rm -rf "$FOLDER"
    mkdir -p "$FOLDER"
    split -n l/2000 -d -a 4 --additional-suffix=.txt "$CORPUS" "$FOLDER/part-"
fi
rounds "$ROUNDS" j1 "'$CLI' --jobs 1 '$FOLDER'" j2 "'$CLI' --jobs 2 '$FOLDER'" one "'$CLI' --jobs 1 '$CORPUS'"
row "files, 1 job" j1
row "files, 2 jobs" j2
row "one file, 1 job" one
echo "2000 files: 1 job / 2 jobs $(ratio j1 j2)x (target >= 1.7x); 1 job / one file $(ratio j1 one)x (target <= 1.10x)"

# Exploring a result: the word table of a million words sorted and filtered,
# and the contexts of a word in the corpus.
RESULTS_BENCH="$ROOT/$BUILD_DIR/lexicount-results-bench"
if [ -x "$RESULTS_BENCH" ]; then
    QT_QPA_PLATFORM=offscreen "$RESULTS_BENCH" "$CORPUS" lord 2>/dev/null
fi

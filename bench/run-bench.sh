#!/bin/sh
# make bench: times lexicount-cli against `wc -w` and a classic shell
# pipeline on the same corpus (ten copies of the King James Bible), and
# reports the median of several runs, MB/s and peak memory. The window
# (lexicount on Qt's offscreen platform) counts the same corpus, to show what
# keeping it responsive during the scan costs against lexicount-cli.
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

# RUNS timed runs of each command, the commands taking turns, so that a busy
# spell of the (shared) machine falls on all of them alike:
#   take_turns NAME COMMAND [NAME COMMAND ...]   (times into $TIMES.NAME)
take_turns() {
    pair=0
    while [ "$pair" -lt $(($# / 2)) ]; do
        : >"$TIMES.$1"
        set -- "$@" "$1" "$2"
        shift 2
        pair=$((pair + 1))
    done
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        pair=0
        while [ "$pair" -lt $(($# / 2)) ]; do
            time_into "$TIMES.$1" "$2"
            set -- "$@" "$1" "$2"
            shift 2
            pair=$((pair + 1))
        done
        i=$((i + 1))
    done
}

echo "corpus: $CORPUS ($BYTES bytes), median of $RUNS runs"
take_turns cli "'$CLI' '$CORPUS'" \
    wc "wc -w '$CORPUS'" \
    pipe "tr -cs A-Za-z '\n' <'$CORPUS' | tr A-Z a-z | sort | uniq -c | sort -rn" \
    uni "'$CLI' --unicode '$CORPUS'" \
    ru "'$CLI' --unicode '$CORPUS_RU'"
# The row of a command's runs; its median seconds are left in $median.
row() {  # name times-file
    result=$(summarise "$2")
    report "$1" "$result"
    set -- $result
    median=$1
}
row "lexicount" "$TIMES.cli"
cli=$median
row "wc -w" "$TIMES.wc"
wc=$median
row "pipeline" "$TIMES.pipe"
pipe=$median
awk -v c="$cli" -v w="$wc" -v p="$pipe" 'BEGIN {
    printf "lexicount / wc -w: %.2fx (target <= 1.5x); pipeline / lexicount: %.1fx (target >= 10x)\n",
        c / w, p / c }'
row "unicode" "$TIMES.uni"
uni=$median
row "unicode ru" "$TIMES.ru"
ru=$median
awk -v c="$cli" -v u="$uni" -v r="$ru" 'BEGIN {
    printf "unicode / default (English): %.2fx (target <= 1.5x); Russian / English, both unicode: %.2fx (target <= 2x)\n",
        u / c, r / u }'

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
take_turns j1 "'$CLI' --jobs 1 '$FOLDER'" j2 "'$CLI' --jobs 2 '$FOLDER'" one "'$CLI' '$CORPUS'"
row "files, 1 job" "$TIMES.j1"
j1=$median
row "files, 2 jobs" "$TIMES.j2"
j2=$median
row "one file" "$TIMES.one"
one=$median
awk -v a="$j1" -v b="$j2" -v o="$one" 'BEGIN {
    printf "2000 files: 1 job / 2 jobs %.2fx (target >= 1.7x); 1 job / one file %.2fx (target <= 1.10x)\n", a / b, a / o }'

# Exploring a result: the word table of a million words sorted and filtered,
# and the contexts of a word in the corpus.
RESULTS_BENCH="$ROOT/$BUILD_DIR/lexicount-results-bench"
if [ -x "$RESULTS_BENCH" ]; then
    QT_QPA_PLATFORM=offscreen "$RESULTS_BENCH" "$CORPUS" lord 2>/dev/null
fi

#!/bin/sh
# make bench: times lexicount-cli against `wc -w` and a classic shell
# pipeline on the same corpus (ten copies of the King James Bible), and
# reports the median of several runs, MB/s and peak memory. The window
# (lexicount on Qt's offscreen platform) counts the same corpus, to show what
# keeping it responsive during the scan costs against lexicount-cli.
#   bench/run-bench.sh BUILD_DIR [RUNS]
set -eu

BUILD_DIR=${1:-build}
RUNS=${2:-5}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
CORPUS_DIR="$ROOT/bench/corpus"
CORPUS="$CORPUS_DIR/kjv10.txt"
MAKE_CORPUS="$ROOT/../shared/bench/make-corpus.sh"
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
TIMES=$(mktemp)
trap 'rm -f "$TIMES"' EXIT

# Runs a command RUNS times; prints "median_seconds peak_kb".
measure() {
    : >"$TIMES"
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        /usr/bin/time -f "%e %M" -a -o "$TIMES" sh -c "$1" >/dev/null
        i=$((i + 1))
    done
    sort -n "$TIMES" | awk -v n="$RUNS" '
        { t[NR] = $1; if ($2 > m) m = $2 }
        END { print t[int((n + 1) / 2)], m }'
}

report() {
    name=$1
    set -- $2
    awk -v name="$name" -v s="$1" -v kb="$2" -v bytes="$BYTES" 'BEGIN {
        mbs = (s > 0) ? bytes / 1e6 / s : 0
        printf "%-12s %8.3f s %9.1f MB/s %9.1f MB peak\n", name, s, mbs, kb / 1024 }'
}

echo "corpus: $CORPUS ($BYTES bytes), median of $RUNS runs"
CLI_RESULT=$(measure "'$CLI' '$CORPUS'")
WC_RESULT=$(measure "wc -w '$CORPUS'")
PIPE_RESULT=$(measure "tr -cs A-Za-z '\n' <'$CORPUS' | tr A-Z a-z | sort | uniq -c | sort -rn")
report "lexicount" "$CLI_RESULT"
report "wc -w" "$WC_RESULT"
report "pipeline" "$PIPE_RESULT"
set -- $CLI_RESULT
cli=$1
set -- $WC_RESULT
wc=$1
set -- $PIPE_RESULT
pipe=$1
awk -v c="$cli" -v w="$wc" -v p="$pipe" 'BEGIN {
    printf "lexicount / wc -w: %.2fx (target <= 1.5x); pipeline / lexicount: %.1fx (target >= 10x)\n",
        c / w, p / c }'

# Median wall time in seconds, to the millisecond, of RUNS runs of a command.
median_ms() {
    : >"$TIMES"
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        start=$(date +%s%N)
        sh -c "$1" >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000000)) >>"$TIMES"
        i=$((i + 1))
    done
    sort -n "$TIMES" | awk -v n="$RUNS" '{ t[NR] = $1 } END { print t[int((n + 1) / 2)] / 1000 }'
}

if [ -x "$GUI" ]; then
    GUI_RESULT=$(measure "QT_QPA_PLATFORM=offscreen '$GUI' --count-and-quit '$CORPUS' 2>/dev/null")
    report "window" "$GUI_RESULT"
    # What the yields cost the scan: both programs count the corpus under
    # settings that list next to nothing (only words of 15 or more letters),
    # so drawing the list does not count, and the time each takes for a
    # one-line file (start-up, Qt's included) is taken off.
    TINY=$(mktemp)
    SCAN_SETTINGS=$(mktemp --suffix=.tly)
    echo "one line" >"$TINY"
    "$CLI" --save-settings "$SCAN_SETTINGS" --set cboShortWordSize=13 "$TINY" >/dev/null
    cli_full=$(median_ms "'$CLI' --settings '$SCAN_SETTINGS' '$CORPUS'")
    cli_start=$(median_ms "'$CLI' --settings '$SCAN_SETTINGS' '$TINY'")
    gui_full=$(median_ms "QT_QPA_PLATFORM=offscreen '$GUI' --count-and-quit '$CORPUS' '$SCAN_SETTINGS'")
    gui_start=$(median_ms "QT_QPA_PLATFORM=offscreen '$GUI' --count-and-quit '$TINY' '$SCAN_SETTINGS'")
    rm -f "$TINY" "$SCAN_SETTINGS"
    awk -v cf="$cli_full" -v cs="$cli_start" -v gf="$gui_full" -v gs="$gui_start" 'BEGIN {
        c = cf - cs; g = gf - gs
        printf "scan alone: lexicount-cli %.3f s, window %.3f s (start-up %.3f s); window / cli: %.3fx (target <= 1.05x)\n",
            c, g, gs, g / c }'
fi

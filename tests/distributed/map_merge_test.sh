#!/bin/sh
# Counting past one machine: a text cut into 8 parts at line ends, each
# part counted on its own (--save-counts) in parallel by Dask's local
# cluster, or by GNU parallel where Dask is absent, the counts merged
# (--merge-counts): the list and the summary equal one run over the whole
# text, byte for byte, under the default settings and under Unicode words.
#   map_merge_test.sh LEXICOUNT_CLI SOURCE_DIR
set -eu
CLI=$1
SRC=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "map_merge_test: $*" >&2; exit 1; }

cd "$WORK"
# Text files take C comments, which may run on over lines and so over a
# cut: the markers are left out, so that every part starts as it would in
# the whole.
cat "$SRC/docs/sample.txt" "$SRC/docs/sample-ru.txt" "$SRC/README.md" "$SRC/docs/manual.html" |
    sed 's#/\*##g; s#\*/##g; s#//##g' >whole.txt
split -n l/8 -d whole.txt part-
[ "$(ls part-* | wc -l)" -eq 8 ] || fail "the text was not cut into 8 parts"

# The map step over the parts, each with the given options.
map() {
    if /usr/bin/python3 -c 'import distributed' 2>/dev/null; then
        /usr/bin/python3 - "$CLI" "$@" <<'PY'
import subprocess, sys
from glob import glob
from distributed import Client, LocalCluster

cli, options = sys.argv[1], sys.argv[2:]

def count(part):
    return subprocess.run([cli, *options, "--save-counts", part + ".counts", part],
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True).returncode

with LocalCluster(n_workers=2, threads_per_worker=1, processes=False, dashboard_address=None) as cluster, \
        Client(cluster) as client:
    codes = client.gather(client.map(count, sorted(glob("part-??"))))
sys.exit(max(codes))
PY
    elif command -v parallel >/dev/null; then
        parallel --will-cite "$CLI" "$@" --save-counts {}.counts {} ::: part-?? >/dev/null
    else
        fail "neither Dask nor GNU parallel is installed"
    fi
}

for options in "" "--unicode --order alphabetical --format 1"; do
    rm -f part-*.counts
    # shellcheck disable=SC2086
    map $options || fail "a part could not be counted ($options)"
    # shellcheck disable=SC2086
    "$CLI" $options --summary --merge-counts part-??.counts >merged.txt 2>merged.err || fail "merge failed: $(cat merged.err)"
    # shellcheck disable=SC2086
    "$CLI" $options --summary whole.txt >whole-list.txt 2>whole.err || fail "whole run failed: $(cat whole.err)"
    [ "$(wc -l <whole-list.txt)" -gt 100 ] || fail "the whole text lists too few words"
    cmp -s merged.txt whole-list.txt || fail "merged list differs ($options): $(diff merged.txt whole-list.txt | head -5)"
    # The summary is the last four lines; a question about a file comes before.
    tail -n 4 merged.err >merged.sum
    tail -n 4 whole.err >whole.sum
    cmp -s merged.sum whole.sum || fail "merged summary differs ($options): $(diff merged.sum whole.sum | head -5)"
done

# Counts of other word rules are refused, with the difference named.
if "$CLI" --set chkDropFinalS=1 --merge-counts part-00.counts >/dev/null 2>refused.err; then
    fail "counts of other settings were merged"
fi
grep -q "chkDropFinalS is 0 there, 1 here" refused.err || fail "refusal without its reason: $(cat refused.err)"
echo "map_merge_test: merged counts equal the whole run"

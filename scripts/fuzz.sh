#!/bin/sh
# Builds the fuzz harnesses with clang into build-fuzz/ and runs each for
# FUZZ_SECONDS (default 20: a smoke run). New inputs go to a scratch corpus
# in build-fuzz/, never into the seeds in fuzz/corpus/; a crash or hang is
# saved in build-fuzz/artifacts/ and ends the script with an error.
# FUZZ_TARGETS picks targets (default: all); FUZZ_JOBS=2 runs two at a time;
# FUZZ_FLAGS adds libFuzzer options (e.g. -len_control=0 for long inputs at once).
set -eu
cd "$(dirname "$0")/.."

SECONDS_EACH="${FUZZ_SECONDS:-20}"
JOBS="${FUZZ_JOBS:-1}"
BUILD=build-fuzz
TARGETS="${FUZZ_TARGETS:-scan_line classify docx settings_file program_texts words_to_ignore unicode_words piece_count counts_file}"

if [ ! -f "$BUILD/build.ninja" ]; then
    CXX=clang++ cmake -S fuzz -B "$BUILD" -G Ninja >/dev/null
fi
cmake --build "$BUILD" -j2

mkdir -p "$BUILD/artifacts"
run_one() {
    name="$1"
    scratch="$BUILD/corpus/$name"
    mkdir -p "$scratch"
    echo "fuzz: $name for ${SECONDS_EACH}s"
    # -timeout: an input that takes this long is a hang; -rss_limit_mb:
    # one that needs this much memory is a fault too.
    nice -n 10 "$BUILD/${name}_fuzzer" "$scratch" "fuzz/corpus/$name" \
        -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$BUILD/artifacts/${name}-" -print_final_stats=1 ${FUZZ_FLAGS:-} \
        >"$BUILD/$name.log" 2>&1 || {
        echo "fuzz: $name FAILED, see $BUILD/$name.log and $BUILD/artifacts/" >&2
        tail -n 40 "$BUILD/$name.log" >&2
        return 1
    }
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$BUILD/$name.log" | tr '\n' ' '
    echo
}

status=0
if [ "$JOBS" -ge 2 ]; then
    pids=""
    for name in $TARGETS; do
        run_one "$name" &
        pids="$pids $!"
        if [ "$(echo $pids | wc -w)" -ge "$JOBS" ]; then
            for pid in $pids; do wait "$pid" || status=1; done
            pids=""
        fi
    done
    for pid in $pids; do wait "$pid" || status=1; done
else
    for name in $TARGETS; do run_one "$name" || status=1; done
fi
exit $status

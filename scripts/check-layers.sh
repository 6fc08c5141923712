#!/bin/sh
# Fails when a source file includes a header of a higher layer, or when the
# core or lexicount-cli includes Qt. Layers from the bottom:
#   base < words < input < output < settings < run    (the core, no Qt)
#   < cli (the core only) < qt (shared Qt helpers) < windows (run/qt,
#   settings/qt, support) < app
set -eu
cd "$(dirname "$0")/.."

rank() {
    case "$1" in
        base/*) echo 0 ;;
        words/*) echo 1 ;;
        input/*) echo 2 ;;
        output/*) echo 3 ;;
        run/qt/* | settings/qt/* | support/*) echo 8 ;;
        settings/*) echo 4 ;;
        run/*) echo 5 ;;
        cli/*) echo 6 ;;
        qt/*) echo 7 ;;
        app/*) echo 9 ;;
        *) echo 99 ;;
    esac
}

faults=0
for file in $(cd src && find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort); do
    own=$(rank "$file")
    if [ "$own" -eq 99 ]; then
        echo "check-layers: src/$file is in no layer" >&2
        faults=$((faults + 1))
        continue
    fi
    for included in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "src/$file"); do
        theirs=$(rank "$included")
        if [ "$theirs" -gt "$own" ]; then
            echo "check-layers: src/$file includes $included, a higher layer" >&2
            faults=$((faults + 1))
        fi
    done
    if [ "$own" -le 6 ] && grep -q '^#include <Q' "src/$file"; then
        echo "check-layers: src/$file includes Qt, which the core and lexicount-cli must not" >&2
        faults=$((faults + 1))
    fi
done

if [ "$faults" -gt 0 ]; then
    echo "check-layers: $faults fault(s)" >&2
    exit 1
fi
echo "check-layers: no include of a higher layer"

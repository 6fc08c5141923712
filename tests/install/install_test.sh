#!/bin/sh
# The installed program: `cmake --install` into a temporary prefix, both
# programs run from another folder, the desktop files pass their
# validators and the manual pages render without a warning.
#   install_test.sh BUILD_DIR SAMPLE_FILE
set -eu
BUILD=$1
SAMPLE=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix
fail() { echo "install_test: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
SHARE=$PREFIX/share
for f in bin/lexicount bin/lexicount-cli share/lexicount/tly.dat share/lexicount/cwds_en.txt \
    share/lexicount/docs/manual.html share/applications/io.github.lexicount.Lexicount.desktop \
    share/metainfo/io.github.lexicount.Lexicount.metainfo.xml share/icons/hicolor/scalable/apps/lexicount.svg \
    share/icons/hicolor/48x48/apps/lexicount.png share/icons/hicolor/128x128/apps/lexicount.png \
    share/icons/hicolor/256x256/apps/lexicount.png share/man/man1/lexicount.1.gz \
    share/man/man1/lexicount-cli.1.gz share/bash-completion/completions/lexicount-cli; do
    [ -e "$PREFIX/$f" ] || fail "not installed: $f"
done

# From another folder, the programs find their data in share/lexicount.
mkdir "$WORK/elsewhere"
cp "$SAMPLE" "$WORK/elsewhere/sample.txt"
cd "$WORK/elsewhere"
out=$("$PREFIX/bin/lexicount-cli" --common-words en --format 8 sample.txt 2>"$WORK/err") || fail "lexicount-cli failed: $(cat "$WORK/err")"
[ -n "$out" ] || fail "lexicount-cli listed nothing"
grep -q "common words" "$WORK/err" || fail "common words not read from the installed data: $(cat "$WORK/err")"
"$PREFIX/bin/lexicount-cli" --version | grep -Eq '^lexicount-cli [0-9]+\.[0-9]+\.[0-9]+$' || fail "lexicount-cli --version"
"$PREFIX/bin/lexicount" --version | grep -Eq '^lexicount [0-9]+\.[0-9]+\.[0-9]+$' || fail "lexicount --version"
"$PREFIX/bin/lexicount" --help | grep -q "only the first" || fail "lexicount --help"
summary=$(QT_QPA_PLATFORM=offscreen "$PREFIX/bin/lexicount" --count-and-quit sample.txt 2>/dev/null) || fail "lexicount failed"
echo "$summary" | grep -q "Number of words in this list" || fail "lexicount counted nothing: $summary"

desktop-file-validate "$SHARE/applications/io.github.lexicount.Lexicount.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$SHARE/metainfo/io.github.lexicount.Lexicount.metainfo.xml" >"$WORK/as" 2>&1 || fail "appstreamcli: $(cat "$WORK/as")"
for page in lexicount lexicount-cli; do
    warnings=$(MANWIDTH=80 man --warnings -l "$SHARE/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
done
# Completion as bash offers it: "lexicount-cli WORD<Tab>" gives the words of
# the second argument.
complete_words() {
    bash -c '. /usr/share/bash-completion/bash_completion
        . "$1"; shift
        COMP_WORDS=(lexicount-cli "$@"); COMP_CWORD=$#
        COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}
        _lexicount_cli; echo "${COMPREPLY[*]}"' sh "$SHARE/bash-completion/completions/lexicount-cli" "$@"
}
[ "$(complete_words --ord)" = "--order" ] || fail "completion of --ord: $(complete_words --ord)"
[ "$(complete_words --order "")" = "frequency alphabetical" ] || fail "completion after --order"
[ "$(complete_words -s chkDropF)" = "chkDropFinalS=" ] || fail "completion of -s: $(complete_words -s chkDropF)"
echo "install_test: installed and checked under $PREFIX"

#!/bin/sh
# The Debian package: CPack builds it from the build tree, it holds what an
# install holds under /usr, and lintian finds no error in it.
#   package_test.sh BUILD_DIR
set -eu
BUILD=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "package_test: $*" >&2; exit 1; }

(cd "$BUILD" && cpack -G DEB -B "$WORK" >"$WORK/cpack.log" 2>&1) || fail "cpack: $(cat "$WORK/cpack.log")"
deb=$(ls "$WORK"/lexicount_*.deb)
dpkg-deb --contents "$deb" | awk '{ print $6 }' >"$WORK/contents"
for f in ./usr/bin/lexicount ./usr/bin/lexicount-cli ./usr/share/lexicount/tly.dat \
    ./usr/share/applications/io.github.lexicount.Lexicount.desktop ./usr/share/metainfo/io.github.lexicount.Lexicount.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/lexicount.png ./usr/share/man/man1/lexicount-cli.1.gz \
    ./usr/share/doc/lexicount/copyright ./usr/share/doc/lexicount/changelog.gz; do
    grep -qx "$f" "$WORK/contents" || fail "not in the package: $f"
done
depends=$(dpkg-deb --field "$deb" Depends)
echo "$depends" | grep -q libzip || fail "Depends lacks libzip: $depends"
echo "$depends" | grep -q libqt6widgets || fail "Depends lacks Qt: $depends"
[ "$(dpkg-deb --field "$deb" Section)" = text ] || fail "section"

command -v lintian >/dev/null || fail "lintian is not installed (scripts/install-deps.sh installs it)"
# lintian refuses to run as root only with --allow-root.
lintian --allow-root --no-tag-display-limit "$deb" >"$WORK/lintian" 2>&1 || true
if grep -q '^E:' "$WORK/lintian"; then
    fail "lintian errors:
$(grep '^E:' "$WORK/lintian")"
fi
grep '^W:' "$WORK/lintian" || true
echo "package_test: $(basename "$deb") built and checked"

#!/bin/sh
# Installs the Debian packages that building, testing and benchmarking need.
# Idempotent: asks apt-get only for what is missing, and says nothing when
# everything is already there.
set -eu

PACKAGES="
cmake
ninja-build
g++
make
pkg-config
libzip-dev
libicu-dev
libxlsxwriter-dev
python3-openpyxl
python3-distributed
parallel
googletest
hyperfine
libgtest-dev
libgmock-dev
clang-format
time
qt6-base-dev
qt6-charts-dev
libqt6opengl6-dev
qt6-svg-dev
fonts-dejavu-core
clang
libclang-rt-14-dev
desktop-file-utils
bash-completion
appstream
man-db
lintian
dpkg-dev
file
"

missing=""
for pkg in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

[ -z "$missing" ] && exit 0

echo "install-deps: installing$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "install-deps: need root or sudo to install:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null

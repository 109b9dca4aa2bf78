#!/bin/sh
# Installs what a fresh Debian 12 machine lacks to build the program, then builds it in build/.
set -eu
cd "$(dirname "$0")/.."

packages="cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2 xvfb xauth imagemagick clang clang-format libclang-rt-14-dev"
# the tests read the pages of the printed report
packages="$packages poppler-utils"
# for the Debian package and its checks (scripts/pacchetto.sh)
packages="$packages dpkg-dev file desktop-file-utils appstream man-db gzip"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installo:$missing"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y $missing
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

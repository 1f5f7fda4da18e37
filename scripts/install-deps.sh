#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libqt6help6 libqt6sql6-sqlite
    libsqlite3-dev sqlite3 libexpat1-dev nlohmann-json3-dev libvalijson-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth imagemagick fonts-dejavu-core locales
    brewtarget
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests run once more under a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -i '^de_DE\.utf-\?8$' >/dev/null; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

#!/usr/bin/env bash
# Installs every Debian package the build, the tools and the tests need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

if [[ $(id -u) -ne 0 ]]; then
    echo "setup.sh: run as root (it installs Debian packages)" >&2
    exit 2
fi

packages=(
    # Build and test
    cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
    # The simulator's command-line tool
    libtomlplusplus-dev libcli11-dev libfmt-dev nlohmann-json3-dev gnuplot-nox fonts-dejavu-core
    # The Windows plugin, its stand-in host and the release package
    # (wine64 only recommends 'wine', which holds the wine and wineboot commands)
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 zip unzip
    # Sanitizers and fuzzers
    clang libclang-rt-14-dev
)

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${packages[@]}" >/dev/null
echo "setup.sh: packages ready"

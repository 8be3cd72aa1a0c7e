#!/usr/bin/env bash
# Sets everything up, builds the Linux tools and the Windows release package,
# and previews the bundled default scenario: the timeline, the summary and a
# plot of health, stamina and dead-eye.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset release >/dev/null
cmake --build --preset release

cmake --preset windows >/dev/null
cmake --build --preset windows
cpack --preset windows >/dev/null

mkdir -p out
./build/release/cli/thornbrake-sim run scenarios/default.toml --plot out/default.png

echo
echo "Plot:            out/default.png"
echo "Release package: $(ls build/windows/Thornbrake-*-win64.zip)"

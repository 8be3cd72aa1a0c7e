#!/usr/bin/env bash
# Sets everything up, builds, and previews the bundled default scenario:
# the timeline, the summary and a plot of health, stamina and dead-eye.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2

mkdir -p out
./build/release/cli/thornbrake-sim run scenarios/default.toml --plot out/default.png
echo
echo "Plot written to out/default.png"

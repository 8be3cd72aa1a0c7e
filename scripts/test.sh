#!/usr/bin/env bash
# Sets everything up, builds, and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2
ctest --preset release

# Sanitizers over the whole suite and the bundled scenarios, the fuzzers for
# a bounded time, and the soak.
bash scripts/hardening.sh

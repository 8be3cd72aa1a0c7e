#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/, clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, starting from
# its checked-in corpus in fuzz/corpus/<target>/.
#
#   scripts/fuzz.sh                 every target, FUZZ_SECONDS (default 20) each
#   scripts/fuzz.sh profile_reader  only the targets named
#
# New interesting inputs go to build/fuzz/found/<target>/, never into the
# repository. An input that fails a check is saved in build/fuzz/findings/;
# once the fault is fixed, copy it into fuzz/corpus/<target>/ so that the
# unit suite replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-20}
build=build/fuzz

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

if [[ $# -gt 0 ]]; then
    targets=("$@")
else
    targets=()
    for corpus in fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

status=0
for target in "${targets[@]}"; do
    fuzzer="$build/${target}_fuzzer"
    if [[ ! -x $fuzzer ]]; then
        echo "fuzz.sh: no fuzzer for '$target' (expected $fuzzer)" >&2
        status=1
        continue
    fi
    work="$build/found/$target"
    findings="$build/findings/$target"
    log="$build/$target.log"
    mkdir -p "$work" "$findings"
    if "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
                 -print_final_stats=1 -artifact_prefix="$findings/" \
                 "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz $target: ${runs:-?} inputs in ${seconds}s, no failure"
    else
        echo "fuzz $target: FAILED, input saved in $findings/" >&2
        tail -n 30 "$log" >&2
        status=1
    fi
done
exit $status

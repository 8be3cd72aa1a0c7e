#!/usr/bin/env bash
# The hardening checks, under ten minutes on two cores:
#   1. the asan preset (AddressSanitizer + UndefinedBehaviorSanitizer, halting
#      on the first error): build, the whole unit suite, every bundled scenario
#      through thornbrake-sim run and stats;
#   2. every libFuzzer target for FUZZ_SECONDS (default 20) seconds;
#   3. the soak: a million passes in the release build, resident memory flat.
# Every step runs even when an earlier one failed; the exit status is non-zero
# when any failed. Expects the packages of setup.sh.
set -uo pipefail
cd "$(dirname "$0")/.."

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1:strict_init_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
step() {  # step NAME COMMAND...: runs the command, remembers a failure
    local name=$1
    shift
    printf '\n== %s\n' "$name"
    if ! "$@"; then
        failed+=("$name")
        printf '== %s: FAILED\n' "$name" >&2
    fi
}

sanitizer_build() {
    cmake --preset asan >/dev/null && cmake --build --preset asan
}

# AddressSanitizer warns once per process that it cannot follow swapcontext
# by itself; the simulator announces every switch, so the line is only noise.
without_fiber_notice() {
    "$@" 2> >(grep -v "doesn't fully support makecontext/swapcontext" >&2)
}

sanitizer_scenarios() {
    local out=build/asan/hardening-scenarios scenario name
    mkdir -p "$out"
    for scenario in scenarios/*.toml; do
        name=$(basename "$scenario" .toml)
        without_fiber_notice ./build/asan/cli/thornbrake-sim run "$scenario" \
            --trace "$out/$name.jsonl" --json "$out/$name.json" >/dev/null || return 1
        without_fiber_notice ./build/asan/cli/thornbrake-sim stats "$scenario" --runs 4 --jobs 2 \
            >/dev/null || return 1
        echo "ok $scenario"
    done
}

soak() {
    cmake --preset release >/dev/null &&
        cmake --build --preset release --target soak_test &&
        ./build/release/tests/hardening/soak_test --gtest_brief=1
}

step "sanitizers: build (asan preset)" sanitizer_build
if [[ ${#failed[@]} -eq 0 ]]; then
    # The Windows tests exercise the mingw-built DLL, which these flags do not
    # touch; the release run of the test command covers them.
    step "sanitizers: unit suite" ctest --preset asan -E '^windows/'
    step "sanitizers: bundled scenarios" sanitizer_scenarios
fi
step "fuzzing" bash scripts/fuzz.sh
step "soak (release build)" soak

if [[ ${#failed[@]} -gt 0 ]]; then
    printf '\nhardening: FAILED: %s\n' "$(IFS=,; echo "${failed[*]}")" >&2
    exit 1
fi
printf '\nhardening: all passed\n'

// The libFuzzer entry point of one target: runs its check on every input and
// stops the fuzzer with the check's message when it fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define THORNBRAKE_FUZZ_TARGET(check)                                                    \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        const std::string problem =                                                      \
            check(std::string_view(reinterpret_cast<const char*>(data), size));         \
        if (!problem.empty()) {                                                          \
            std::fprintf(stderr, "fuzz check failed: %s\n", problem.c_str());           \
            std::abort();                                                                \
        }                                                                                \
        return 0;                                                                        \
    }

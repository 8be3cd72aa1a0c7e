// Fuzz inputs are split into lines at the front so that seed files stay
// readable: the first fields, then the rest of the input as the text.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace thornbrake::fuzz {

// The first N lines (without their '\n') and whatever follows them. Missing
// lines are empty.
template <std::size_t N>
struct SplitInput {
    std::array<std::string_view, N> fields;
    std::string_view rest;
};

template <std::size_t N>
SplitInput<N> SplitLeadingLines(std::string_view input) {
    SplitInput<N> split{};
    for (std::string_view& field : split.fields) {
        const std::size_t end = input.find('\n');
        field = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    }
    split.rest = input;
    return split;
}

}  // namespace thornbrake::fuzz

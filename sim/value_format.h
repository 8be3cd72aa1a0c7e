// How single values are written in the trace's text and JSON forms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace thornbrake::sim {

void AppendInt(std::string& out, std::int64_t value);

// The shortest text that reads back to the same single-precision value:
// "0.6", "-3.25", "1e-07", and a whole number as "41" in text, "41.0" in JSON
// (so that JSON readers keep it a float and keep the sign of -0.0). A value
// JSON cannot hold is written as NaN, Infinity or -Infinity, in JSON as a
// quoted string.
void AppendFloat(std::string& out, float value, bool json);

// A double-quoted string with JSON escapes: \" \\ \n \r \t \b \f, and \u00XX
// for any other byte below 0x20 or from 0x7F on, so the line is valid JSON
// whatever the bytes.
void AppendQuoted(std::string& out, std::string_view text);

}  // namespace thornbrake::sim

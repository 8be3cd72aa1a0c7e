// The settings file taken apart line by line, by the same rules as the
// plugin's profile reader (settings/profile_reader.h): lines end at CR or LF,
// a UTF-8 byte order mark is skipped, bytes 0x09-0x0D, 0x20 and 0x1A are
// trimmed, a trimmed line starting with '[' and holding a ']' is a section
// whose name runs to the last ']', any other non-empty line is a key line split
// at its first '=', and names and values end at a NUL byte. Line numbers let
// tools point at what the reader will see.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_reader.h"

namespace thornbrake::scenario {

// A line of the reader's own classification (ProfileLine), with where it
// stands in the file.
struct IniLine {
    using Kind = ProfileLine::Kind;
    Kind kind = Kind::Blank;
    int number = 0;              // 1-based, counting CR, LF and CR LF as one line end each
    std::size_t endOffset = 0;   // offset just past the line's end (its CR, LF or CR LF)
    std::string_view text;       // trimmed line
    std::string_view name;       // section name or key name, trimmed
    bool hasEquals = false;      // key lines: a '=' was present
    std::string_view rawValue;   // after the '=', trimmed, quotes still on
    std::string_view value;      // what the reader converts: rawValue without matching quotes
};

// Expects 8-bit text; a UTF-16 file goes through NarrowProfileText first.
std::vector<IniLine> ScanIniLines(std::string_view text);

}  // namespace thornbrake::scenario

// Tricky settings files for holding our profile reader against Windows'.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace thornbrake::windows_test {

struct ProfileLookup {
    std::string section;
    std::string key;
    std::int32_t fallback;
};

struct ProfileCase {
    std::string name;  // says what the file is about
    std::string text;  // the file's bytes
    std::vector<ProfileLookup> lookups;
};

// The lookups most cases are written for: two keys of one section and a key
// of that name in another section, each with a default no file sets.
std::vector<ProfileLookup> StandardLookups();

// Files written by hand, each about one trap: names and blanks, comments,
// repetition, line ends, byte order marks, long lines, binary bytes, and one
// file per tricky value.
std::vector<ProfileCase> HandWrittenProfiles();

// `count` files assembled at random (fixed seed) from the same traps.
std::vector<ProfileCase> GeneratedProfiles(std::uint32_t seed, int count);

// The bytes of `text` with control and non-ASCII bytes escaped, for messages.
std::string Printable(const std::string& text);

}  // namespace thornbrake::windows_test

// Our own reader of Windows profile (INI) files, for platforms without
// GetPrivateProfileIntA. It follows the layout and rules the Windows reader
// applies, so a settings file reads the same everywhere:
//
//  - Lines end at CR or LF. A UTF-8 byte order mark at the start is skipped.
//    A file that starts with a UTF-16 byte order mark (FF FE or FE FF) is
//    read as UTF-16; its non-ASCII characters match no name and no digit.
//  - Leading and trailing bytes 0x09-0x0D, 0x20 and 0x1A are trimmed.
//  - A trimmed line starting with '[' and holding a ']' opens a section whose
//    name runs to the last ']' (trimmed). A '[' line without ']' is a key line.
//  - A key line is split at its first '=': name before it (trimmed), value
//    after it (trimmed). A line without '=' is a key without a value.
//  - Names and values end at a NUL byte, as C strings do.
//  - There is no comment syntax: ';' and '#' lines are keys no lookup matches.
//  - Section and key names match regardless of ASCII case. Only the first
//    section of a name is searched, and within it the first key of a name.
//  - Surrounding matching quotes ('...' or "...") are removed from the value.
//  - A missing section or key, a key without '=', and an empty value give the
//    fallback. Otherwise the value's first 29 characters are converted (28
//    inside quotes: the opening quote takes a place in the Windows reader's
//    buffer): leading blanks and control characters skipped, optional sign,
//    then 0x (hex), 0o (octal), 0b (binary), lower case only, or decimal
//    digits up to the first other character; no digits gives 0; the result is
//    taken modulo 2^32 and read as signed, so "-1" is -1 and "4294967297" is 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace thornbrake {

// How much of a value the Windows reader converts (its buffer holds 30
// characters with the terminator).
inline constexpr std::size_t kProfileIntegerMaxChars = 29;

// GetPrivateProfileIntA over the text of a file.
std::int32_t ProfileIntFromText(std::string_view text, std::string_view section,
                                std::string_view key, std::int32_t fallback);

// The raw value text of `key` in `section`, after trimming and unquoting;
// nullopt when the section or the key is absent or the line has no '='.
// Reads 8-bit text only (a UTF-16 file finds nothing).
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// The leading integer of a value, as GetPrivateProfileIntA converts it.
std::int32_t ParseProfileInteger(std::string_view value);

// --- The rules one at a time, for tools that explain a file line by line ---

// One line of a file, as the reader classifies it.
struct ProfileLine {
    enum class Kind { Blank, Section, Key };
    Kind kind = Kind::Blank;
    std::string_view text;      // the whole line, trimmed
    std::string_view name;      // section or key name, trimmed, cut at a NUL byte
    bool hasEquals = false;     // key lines: the line holds a '='
    std::string_view rawValue;  // after the first '=', trimmed, cut at a NUL byte, quotes kept
};

// `line` without its line end.
ProfileLine ClassifyProfileLine(std::string_view line);

// Whether two section or key names match (ASCII letters in any case).
bool SameProfileName(std::string_view a, std::string_view b);

// A value without one pair of matching surrounding quotes.
std::string_view UnquoteProfileValue(std::string_view rawValue);

// The part of a raw (possibly quoted) value that the integer conversion sees.
std::string_view ConvertedProfileValue(std::string_view rawValue);

// What the integer conversion makes of a value.
struct ProfileIntegerScan {
    std::int32_t value = 0;        // modulo 2^32, read as signed
    std::size_t consumed = 0;      // characters up to the first one not part of the number
    std::size_t digits = 0;        // digits read
    bool fitsInt32 = true;         // the number written fits in 32 bits before wrapping
    bool upperCasePrefix = false;  // "0X", "0O" or "0B", which is not a prefix: reads as 0
};
ProfileIntegerScan ScanProfileInteger(std::string_view value);

// A file that starts with a UTF-16 byte order mark is read as UTF-16.
bool IsUtf16Profile(std::string_view text);
// Such a file as the 8-bit text the rules above apply to: ASCII characters
// stay, every other character becomes the byte 0x80, which matches no name
// and no digit. Any other text comes back unchanged.
std::string NarrowProfileText(std::string_view text);

}  // namespace thornbrake

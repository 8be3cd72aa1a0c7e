#include "profile_corpus.h"

#include <array>
#include <cstdio>
#include <random>
#include <string_view>

namespace thornbrake::windows_test {
namespace {

using namespace std::string_literals;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The values of one key, one file each: signs, bases, junk after the digits,
// quotes, blanks, wrapping past 32 bits and the reader's length limit.
std::vector<std::string> TrickyValues() {
    return {
        "5"s, "+5"s, "-5"s, "--5"s, "+-5"s, "-+5"s, "- 5"s, "+"s, "-"s, "0"s, "-0"s,
        "0x1F"s, "0X1F"s, "0x"s, "0xg"s, "0x-1"s, "-0x10"s, "0xFFFFFFFF"s, "0xffffffff1"s,
        "0o17"s, "0O17"s, "0o8"s, "0b101"s, "0B101"s, "0b2"s, "010"s, "0008"s, "00x5"s,
        "12abc"s, "1.5"s, "1e3"s, "7 8"s, "42A94967297"s, "B4294967297"s, "abc"s,
        "2147483647"s, "2147483648"s, "-2147483648"s, "-2147483649"s, "4294967295"s,
        "4294967296"s, "4294967297"s, "-4294967297"s, "99999999999999999999"s,
        std::string(28, '0') + "7", std::string(29, '0') + "7", std::string(30, '0') + "7",
        "-" + std::string(28, '0') + "7", std::string(5000, '9'),
        ""s, "   "s, "\t"s, "\"5\""s, "'5'"s, "\"5'"s, "'5\""s, "\"5"s, "5\""s, "\" 5\""s,
        "\"-5\""s, "'0x10'"s, "\"\""s, "''"s, "\"\"5\"\""s, "\""s, "'"s, "\"\t5\""s,
        "\"" + std::string(27, '0') + "7\"", "\"" + std::string(28, '0') + "7\"",
        "\"" + std::string(29, '0') + "7\"", "\"" + std::string(30, '0') + "7\"",
        "\x1A" "5"s, "5\x1A"s, "\x01" "5"s, "\x1F" "5"s, "\x7F" "5"s, "\xA0" "5"s, "\xC2\xA0" "5"s,
        "\xEF\xBC\x91"s, "5\0" "9"s, "\0" "5"s, "\0"s, "\"5\0\""s, "'\0'"s, "5 ; six"s, "5;6"s, "5 # six"s,
    };
}

// Whole files, each about one trap of the layout.
std::vector<std::pair<std::string, std::string>> TrickyFiles() {
    const std::string longName(70000, 'N');
    return {
        {"empty file", ""s},
        {"only blanks", " \t\n\r\n\x1A"s},
        {"lower-case names", "[misc]\ntripchance=5\ntripcooldown=6\n"s},
        {"upper-case names", "[MISC]\nTRIPCHANCE=5\n[BUSH_EFFECT]\nTRIPCHANCE=6\n"s},
        {"mixed-case names", "[Misc]\ntRiPcHaNcE=5\n"s},
        {"blanks around everything", " \t[ MISC ] \t\n \tTripChance \t=\t 5 \t\n\x0B\x0C TripCooldown\x1A=\x1A" "6\n"s},
        {"blanks inside names", "[MI SC]\nTripChance=1\n[MISC]\nTrip Chance=2\nTripCooldown=3\n"s},
        {"text after the section bracket", "[MISC] TripChance=1\nTripCooldown=2\n"s},
        {"nested brackets", "[[MISC]]\nTripChance=1\n[MISC]]\nTripCooldown=2\n[MISC]\nTripChance=3\n"s},
        {"section without closing bracket", "[MISC\nTripChance=1\n[MISC]\nTripCooldown=2\n"s},
        {"bracket line inside a section", "[MISC]\n[BUSH_EFFECT\nTripChance=1\n"s},
        {"empty section name", "[]\nTripChance=1\n[MISC]\nTripCooldown=2\n"s},
        {"closing bracket before opening", "]MISC[\nTripChance=1\n"s},
        {"semicolon comments", "[MISC]\n;TripChance=1\n; TripCooldown=2\nTripChance=3\n"s},
        {"hash and slash comments", "[MISC]\n#TripChance=1\n//TripCooldown=2\nTripCooldown=3\n"s},
        {"commented-out section", ";[MISC]\nTripChance=1\n[MISC]\nTripCooldown=2\n"s},
        {"inline comments", "[MISC]\nTripChance=5 ; note\nTripCooldown=6 # note\n"s},
        {"repeated section", "[MISC]\nTripCooldown=1\n[BUSH_EFFECT]\nTripChance=2\n[MISC]\nTripChance=3\n"s},
        {"repeated section, other case", "[MISC]\nTripCooldown=1\n[misc]\nTripChance=3\n"s},
        {"repeated key", "[MISC]\nTripChance=1\nTripChance=2\ntripchance=3\n"s},
        {"key without '=' first", "[MISC]\nTripChance\nTripChance=2\n"s},
        {"key with empty value first", "[MISC]\nTripChance=\nTripChance=2\n"s},
        {"key with blank value first", "[MISC]\nTripChance=  \nTripChance=2\n"s},
        {"key and value without '='", "[MISC]\nTripChance 5\n"s},
        {"empty key name", "[MISC]\n=5\nTripChance=6\n"s},
        {"two '=' signs", "[MISC]\nTripChance==5\nTripCooldown=5=6\n"s},
        {"keys before any section", "TripChance=1\nTripCooldown=2\n[MISC]\nTripCooldown=3\n"s},
        {"section name as key", "[MISC]\nMISC=1\n[TripChance]\nMISC=2\n"s},
        {"CRLF line ends", "[MISC]\r\nTripChance=5\r\nTripCooldown=6\r\n"s},
        {"CR line ends", "[MISC]\rTripChance=5\rTripCooldown=6\r"s},
        {"LF CR line ends", "[MISC]\n\rTripChance=5\n\rTripCooldown=6\n\r"s},
        {"mixed line ends", "[MISC]\r\n\rTripChance=5\n\n\r\rTripCooldown=6"s},
        {"no final line end", "[MISC]\nTripChance=5"s},
        {"byte order mark", std::string(kUtf8Bom) + "[MISC]\nTripChance=5\n"},
        {"byte order mark before a key", std::string(kUtf8Bom) + "TripChance=5\n[MISC]\nTripCooldown=6\n"},
        {"two byte order marks", std::string(kUtf8Bom) + std::string(kUtf8Bom) + "[MISC]\nTripChance=5\n"},
        {"byte order mark on a later line", "[MISC]\n" + std::string(kUtf8Bom) + "TripChance=5\nTripCooldown=6\n"},
        {"byte order mark then blanks", std::string(kUtf8Bom) + " \t[MISC]\nTripChance=5\n"},
        {"byte order mark and UTF-8 names", std::string(kUtf8Bom) + "[MISC]\n\xC3\xA9TripChance=1\nTripCooldown=\xC3\xA9" "2\n"},
        {"DOS end-of-file byte", "[MISC]\nTripChance=5\n\x1A"s},
        {"DOS end-of-file byte inside", "[MISC]\nTripChance=5\x1A\x1A\nTripCooldown\x1A" "6\n"s},
        {"very long line before the key", "[MISC]\n" + std::string(100000, 'X') + "=1\nTripChance=5\n"},
        {"very long name and blanks", "[MISC]\nTripChance" + std::string(5000, ' ') + "=5\n" + longName + "=6\n"},
        {"very long section name", "[" + longName + "]\nTripChance=1\n[MISC]\nTripChance=5\n"},
        {"NUL inside a key name", "[MISC]\nTrip\0Chance=1\nTripChance\0junk=2\nTripChance=3\n"s},
        {"NUL inside a section name", "[MISC\0junk]\nTripChance=1\n[MISC]\nTripChance=2\n"s},
        {"NUL at the start", "\0[MISC]\nTripChance=1\n"s},
        {"binary junk between lines", "\x01\x02\x03\xFF\xFE\x80\x81\n[MISC]\n\xFF\x00\x7F=9\nTripChance=5\n\x90\x9D\n"s},
        {"binary junk around names", "[MISC]\n\x01TripChance=1\nTripCooldown\x02=2\nTripChance\x80=3\n"s},
        {"UTF-16 little-endian with byte order mark", "\xFF\xFE[\0M\0I\0S\0C\0]\0\r\0\n\0T\0r\0i\0p\0C\0h\0a\0n\0c\0e\0=\0" "5\0\r\0\n\0"s},
        {"UTF-16 big-endian with byte order mark", "\xFE\xFF\0[\0M\0I\0S\0C\0]\0\r\0\n\0T\0r\0i\0p\0C\0h\0a\0n\0c\0e\0=\0" "5\0\r\0\n"s},
    };
}

// Pieces the generated files are assembled from.
constexpr std::array kSectionLines{
    "[MISC]", "[misc]", "[ MISC ]", "  [MISC]\t", "[BUSH_EFFECT]", "[MISC", "[]", ";[MISC]", "[MISC]x", "[MI\x01SC]",
};
constexpr std::array kKeyNames{
    "TripChance", "tripchance", " TripChance", "TripChance ", "TripCooldown", "TRIPCOOLDOWN",
    "Trip Chance", ";TripChance", "#TripCooldown", "TripChance\x1A", "", "\xE9TripChance",
};
constexpr std::array kSeparators{"=", " = ", "\t=", "==", "= ", ""};
constexpr std::array kLineEnds{"\n", "\r\n", "\r", "\n\n", "\r\r\n"};

template <typename Array>
const char* Pick(std::mt19937& random, const Array& choices) {
    return choices[random() % choices.size()];
}

}  // namespace

std::vector<ProfileLookup> StandardLookups() {
    return {{"MISC", "TripChance", -77}, {"MISC", "TripCooldown", -78}, {"BUSH_EFFECT", "TripChance", -79}};
}

std::vector<ProfileCase> HandWrittenProfiles() {
    std::vector<ProfileCase> cases;
    for (auto& [name, text] : TrickyFiles()) cases.push_back({name, text, StandardLookups()});
    for (const std::string& value : TrickyValues()) {
        cases.push_back({"value \"" + Printable(value) + "\"", "[MISC]\nTripChance=" + value + "\nTripCooldown=3\n",
                         StandardLookups()});
    }
    return cases;
}

std::vector<ProfileCase> GeneratedProfiles(std::uint32_t seed, int count) {
    std::mt19937 random(seed);
    const std::vector<std::string> values = TrickyValues();
    std::vector<ProfileCase> cases;
    for (int n = 0; n < count; ++n) {
        std::string text = random() % 8 == 0 ? std::string(kUtf8Bom) : std::string();
        const int lines = 1 + static_cast<int>(random() % 8);
        for (int line = 0; line < lines; ++line) {
            if (random() % 3 == 0) {
                text += Pick(random, kSectionLines);
            } else {
                text += Pick(random, kKeyNames);
                text += Pick(random, kSeparators);
                text += values[random() % values.size()];
            }
            text += Pick(random, kLineEnds);
        }
        cases.push_back({"generated file " + std::to_string(n), text, StandardLookups()});
    }
    return cases;
}

std::string Printable(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            shown += "\\\\";
        } else if (byte == '\n') {
            shown += "\\n";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    if (shown.size() > 300) shown = shown.substr(0, 300) + "...(" + std::to_string(text.size()) + " bytes)";
    return shown;
}

}  // namespace thornbrake::windows_test

#include "profile_reader_target.h"

#include <string>

#include "fuzz_input.h"
#include "settings/profile_reader.h"

namespace thornbrake::fuzz {
namespace {

constexpr std::int32_t kFallback = 0x5EED;

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool Within(std::string_view part, std::string_view whole) {
    const char* begin = whole.data();
    const char* end = whole.data() + whole.size();
    return part.empty() || (part.data() >= begin && part.data() + part.size() <= end);
}

}  // namespace

std::string CheckProfileReader(std::string_view input) {
    const auto [fields, text] = SplitLeadingLines<2>(input);
    const std::string_view section = fields[0];
    const std::string_view key = fields[1];

    const std::int32_t value = ProfileIntFromText(text, section, key, kFallback);
    const auto found = FindProfileValue(text, section, key);
    if (found && !Within(*found, text)) return "the value found lies outside the text";
    // A UTF-16 file is read by another path, which FindProfileValue does not take.
    const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
    if (!utf16 && (!found || found->empty()) && value != kFallback) {
        return "an absent or empty value did not give the fallback";
    }
    // Names match regardless of ASCII case.
    if (ProfileIntFromText(text, AsciiUpper(section), AsciiUpper(key), kFallback) != value) {
        return "upper-casing the section and key names changed the value";
    }
    // The conversion itself must cope with any text, of any length.
    static_cast<void>(ParseProfileInteger(input));
    return {};
}

}  // namespace thornbrake::fuzz

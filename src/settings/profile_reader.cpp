#include "settings/profile_reader.h"

#include <cstddef>
#include <string>

namespace thornbrake {
namespace {

bool IsBlank(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x1A;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

// Windows keeps names and values as C strings: a NUL byte ends them.
std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::string_view Unquote(std::string_view value) {
    return IsQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

// Calls `visit(line)` for every line; stops early when it returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (!visit(line)) return;
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

// The section name of a line, or nullopt when it is not a section line.
std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return UpToNul(Trim(line.substr(1, close - 1)));
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// The value text of `key` in `section`, trimmed and cut at a NUL byte but
// still quoted; nullopt as for FindProfileValue.
std::optional<std::string_view> FindQuotedValue(std::string_view text, std::string_view section,
                                                std::string_view key) {
    enum class Where { Before, Inside, After } where = Where::Before;
    std::optional<std::string_view> found;
    ForEachLine(text, [&](std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (const auto name = SectionName(line)) {
            // Only the first section of a name is searched.
            if (where == Where::Inside) {
                where = Where::After;
                return false;
            }
            if (SameName(*name, section)) where = Where::Inside;
            return true;
        }
        if (where != Where::Inside) return true;
        const std::size_t equals = line.find('=');
        const std::string_view name = UpToNul(Trim(line.substr(0, equals)));
        if (!SameName(name, key)) return true;
        // The first key of a name wins, with or without a value.
        if (equals != std::string_view::npos) found = UpToNul(Trim(line.substr(equals + 1)));
        return false;
    });
    return found;
}

// The part of a value the Windows reader converts: it copies the value into
// its small buffer with the opening quote, and drops the quotes afterwards.
std::string_view ConvertedPart(std::string_view value) {
    if (IsQuoted(value)) return Unquote(value).substr(0, kProfileIntegerMaxChars - 1);
    return value.substr(0, kProfileIntegerMaxChars);
}

// A UTF-16 file (marked by its byte order mark) as 8-bit text: ASCII stays
// as it is, every other character becomes the byte 0x80, which no name of
// ours contains and no number reads.
std::string NarrowFromUtf16(std::string_view text, bool bigEndian) {
    std::string narrow;
    narrow.reserve(text.size() / 2);
    for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(text[i]);
        const unsigned second = static_cast<unsigned char>(text[i + 1]);
        const unsigned unit = bigEndian ? (first << 8) | second : (second << 8) | first;
        narrow += unit < 0x80 ? static_cast<char>(unit) : '\x80';
    }
    return narrow;
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    const auto value = FindQuotedValue(text, section, key);
    if (!value) return std::nullopt;
    return Unquote(*value);
}

std::int32_t ParseProfileInteger(std::string_view value) {
    std::size_t i = 0;
    // Blanks and control characters before the number are skipped.
    while (i < value.size() && static_cast<unsigned char>(value[i]) <= 0x20) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    int base = 10;
    // Only lower-case prefixes count: "0X1F" is 0.
    if (i + 1 < value.size() && value[i] == '0') {
        const char prefix = value[i + 1];
        if (prefix == 'x') base = 16;
        if (prefix == 'o') base = 8;
        if (prefix == 'b') base = 2;
        if (base != 10) i += 2;
    }
    // Unsigned arithmetic wraps modulo 2^32, as the Windows reader does.
    std::uint32_t result = 0;
    for (; i < value.size(); ++i) {
        const int digit = DigitValue(value[i]);
        if (digit >= base) break;
        result = result * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (negative) result = 0u - result;
    return static_cast<std::int32_t>(result);
}

std::int32_t ProfileIntFromText(std::string_view text, std::string_view section,
                                std::string_view key, std::int32_t fallback) {
    constexpr std::string_view kUtf16LittleEndian = "\xFF\xFE";
    constexpr std::string_view kUtf16BigEndian = "\xFE\xFF";
    if (text.starts_with(kUtf16LittleEndian) || text.starts_with(kUtf16BigEndian)) {
        return ProfileIntFromText(NarrowFromUtf16(text, text.starts_with(kUtf16BigEndian)), section, key,
                                  fallback);
    }
    const auto value = FindQuotedValue(text, section, key);
    if (!value) return fallback;
    // The Windows reader copies the value into a small buffer first, so only
    // its first characters can take part in the number.
    const std::string_view converted = ConvertedPart(*value);
    if (converted.empty()) return fallback;
    return ParseProfileInteger(converted);
}

}  // namespace thornbrake

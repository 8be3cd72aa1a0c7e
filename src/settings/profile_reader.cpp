#include "settings/profile_reader.h"

#include <cstddef>

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

// Windows keeps names and values as C strings: a NUL byte ends them.
std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

// Calls `visit(line)` for every line; stops early when it returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (!visit(text.substr(0, end))) return;
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// The raw value of `key` in `section`, quotes kept; nullopt as for
// FindProfileValue.
std::optional<std::string_view> FindRawValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
    enum class Where { Before, Inside, After } where = Where::Before;
    std::optional<std::string_view> found;
    ForEachLine(text, [&](std::string_view raw) {
        const ProfileLine line = ClassifyProfileLine(raw);
        if (line.kind == ProfileLine::Kind::Section) {
            // Only the first section of a name is searched.
            if (where == Where::Inside) {
                where = Where::After;
                return false;
            }
            if (SameProfileName(line.name, section)) where = Where::Inside;
            return true;
        }
        if (where != Where::Inside || line.kind != ProfileLine::Kind::Key) return true;
        if (!SameProfileName(line.name, key)) return true;
        // The first key of a name wins, with or without a value.
        if (line.hasEquals) found = line.rawValue;
        return false;
    });
    return found;
}

}  // namespace

ProfileLine ClassifyProfileLine(std::string_view raw) {
    ProfileLine line;
    line.text = Trim(raw);
    if (line.text.empty()) return line;
    if (line.text.front() == '[') {
        const std::size_t close = line.text.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLine::Kind::Section;
            line.name = UpToNul(Trim(line.text.substr(1, close - 1)));
            return line;
        }
    }
    line.kind = ProfileLine::Kind::Key;
    const std::size_t equals = line.text.find('=');
    line.name = UpToNul(Trim(line.text.substr(0, equals)));
    if (equals != std::string_view::npos) {
        line.hasEquals = true;
        line.rawValue = UpToNul(Trim(line.text.substr(equals + 1)));
    }
    return line;
}

bool SameProfileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::string_view UnquoteProfileValue(std::string_view rawValue) {
    return IsQuoted(rawValue) ? rawValue.substr(1, rawValue.size() - 2) : rawValue;
}

std::string_view ConvertedProfileValue(std::string_view rawValue) {
    // The Windows reader copies the value into a small buffer, the opening
    // quote included, and drops the quotes afterwards.
    if (IsQuoted(rawValue)) {
        return UnquoteProfileValue(rawValue).substr(0, kProfileIntegerMaxChars - 1);
    }
    return rawValue.substr(0, kProfileIntegerMaxChars);
}

ProfileIntegerScan ScanProfileInteger(std::string_view value) {
    ProfileIntegerScan scan;
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
        scan.upperCasePrefix = prefix == 'X' || prefix == 'O' || prefix == 'B';
    }
    // Unsigned arithmetic wraps modulo 2^32, as the Windows reader does; the
    // magnitude is followed only far enough to tell whether it fits.
    std::uint32_t result = 0;
    std::uint64_t magnitude = 0;
    for (; i < value.size(); ++i) {
        const int digit = DigitValue(value[i]);
        if (digit >= base) break;
        result = result * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
        if (magnitude <= (std::uint64_t{1} << 40)) {
            magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        }
        ++scan.digits;
    }
    scan.consumed = i;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    scan.fitsInt32 = magnitude <= limit;
    if (negative) result = 0u - result;
    scan.value = static_cast<std::int32_t>(result);
    return scan;
}

std::int32_t ParseProfileInteger(std::string_view value) { return ScanProfileInteger(value).value; }

bool IsUtf16Profile(std::string_view text) {
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

std::string NarrowProfileText(std::string_view text) {
    if (!IsUtf16Profile(text)) return std::string(text);
    const bool bigEndian = text.starts_with("\xFE\xFF");
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

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    const auto raw = FindRawValue(text, section, key);
    if (!raw) return std::nullopt;
    return UnquoteProfileValue(*raw);
}

std::int32_t ProfileIntFromText(std::string_view text, std::string_view section,
                                std::string_view key, std::int32_t fallback) {
    if (IsUtf16Profile(text)) {
        return ProfileIntFromText(NarrowProfileText(text), section, key, fallback);
    }
    const auto raw = FindRawValue(text, section, key);
    if (!raw) return fallback;
    const std::string_view converted = ConvertedProfileValue(*raw);
    if (converted.empty()) return fallback;
    return ParseProfileInteger(converted);
}

}  // namespace thornbrake

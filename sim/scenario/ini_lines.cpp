#include "sim/scenario/ini_lines.h"

namespace thornbrake::scenario {
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

std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

IniLine Classify(std::string_view raw) {
    IniLine line;
    line.text = Trim(raw);
    if (line.text.empty()) return line;
    if (line.text.front() == '[') {
        const std::size_t close = line.text.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = IniLine::Kind::Section;
            line.name = UpToNul(Trim(line.text.substr(1, close - 1)));
            return line;
        }
    }
    line.kind = IniLine::Kind::Key;
    const std::size_t equals = line.text.find('=');
    line.name = UpToNul(Trim(line.text.substr(0, equals)));
    if (equals != std::string_view::npos) {
        line.hasEquals = true;
        line.rawValue = UpToNul(Trim(line.text.substr(equals + 1)));
        line.value = Unquote(line.rawValue);
    }
    return line;
}

}  // namespace

bool IsUtf16(std::string_view text) {
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

std::string NarrowIfUtf16(std::string_view text) {
    if (!IsUtf16(text)) return std::string(text);
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

std::vector<IniLine> ScanIniLines(std::string_view text) {
    std::vector<IniLine> lines;
    std::size_t offset = 0;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) offset = kByteOrderMark.size();
    int number = 0;
    while (offset < text.size()) {
        std::size_t end = text.find_first_of("\r\n", offset);
        const std::string_view raw =
            text.substr(offset, end == std::string_view::npos ? std::string_view::npos : end - offset);
        IniLine line = Classify(raw);
        line.number = ++number;
        // The reader sees CR LF as two line ends with an empty line between;
        // people count it as one, and an empty line changes nothing.
        if (end == std::string_view::npos) {
            end = text.size();
        } else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            end += 2;
        } else {
            end += 1;
        }
        line.endOffset = end;
        lines.push_back(line);
        offset = end;
    }
    return lines;
}

}  // namespace thornbrake::scenario

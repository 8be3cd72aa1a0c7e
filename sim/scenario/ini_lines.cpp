#include "sim/scenario/ini_lines.h"

namespace thornbrake::scenario {
namespace {

IniLine Classify(std::string_view raw) {
    const ProfileLine classified = ClassifyProfileLine(raw);
    IniLine line;
    line.kind = classified.kind;
    line.text = classified.text;
    line.name = classified.name;
    line.hasEquals = classified.hasEquals;
    line.rawValue = classified.rawValue;
    line.value = UnquoteProfileValue(classified.rawValue);
    return line;
}

}  // namespace

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

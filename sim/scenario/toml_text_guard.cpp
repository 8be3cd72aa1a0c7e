#include "sim/scenario/toml_text_guard.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cstddef>

#include "sim/scenario/scenario_error.h"

namespace thornbrake::scenario {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsNonAscii(char c) { return static_cast<unsigned char>(c) >= 0x80; }
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsBlankOrLineEnd(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }

std::size_t LineStart(std::string_view text, std::size_t line) {
    std::size_t offset = 0;
    for (std::size_t n = 1; n < line && offset < text.size(); ++n) {
        const std::size_t end = text.find('\n', offset);
        if (end == std::string_view::npos) return text.size();
        offset = end + 1;
    }
    return offset;
}

// Line and column in characters, as toml++ counts them, of a byte offset.
[[noreturn]] void Refuse(std::string_view text, std::size_t offset, const std::string& file,
                         const std::string& message) {
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if (!IsContinuation(text[i])) {
            ++column;
        }
    }
    throw ScenarioError(file, line, column, message);
}

constexpr char kMisplaced[] =
    "unexpected character: outside quoted text and comments only plain ASCII is allowed";

// The same text with every non-ASCII byte turned into '!', a character TOML
// accepts only in strings and comments. Its lines and byte offsets are those
// of the original.
std::string Masked(std::string_view text, std::size_t from) {
    std::string masked(text);
    std::replace_if(masked.begin() + static_cast<std::ptrdiff_t>(from), masked.end(), IsNonAscii, '!');
    return masked;
}

}  // namespace

void CheckNonAsciiPlacement(std::string_view text, const std::string& file) {
    // toml++ skips a UTF-8 byte order mark at the very start.
    const std::size_t from = text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? 3 : 0;
    if (std::none_of(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), IsNonAscii)) return;

    // toml++ decides what is a string and what a comment; with the
    // characters masked it never meets one of them.
    const std::string masked = Masked(text, from);
    try {
        static_cast<void>(toml::parse(masked, file));
    } catch (const toml::parse_error& error) {
        const auto& where = error.source().begin;
        // The masked text is ASCII, so toml++'s column counts bytes.
        const std::size_t offset = LineStart(masked, where.line) + (where.column > 0 ? where.column - 1 : 0);
        if (offset < text.size() && IsNonAscii(text[offset])) Refuse(text, offset, file, kMisplaced);
        Refuse(text, offset, file, std::string(error.description()));
    }

    // The one place in strings where toml++ still tests a character for
    // whitespace: after a line-ending backslash it skips blanks and line ends
    // and tests the first character that follows.
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] != '\\') continue;
        std::size_t j = i + 1;
        while (j < text.size() && IsBlank(text[j])) ++j;
        if (j < text.size() && text[j] == '\r') ++j;
        if (j >= text.size() || text[j] != '\n') continue;
        while (j < text.size() && IsBlankOrLineEnd(text[j])) ++j;
        if (j < text.size() && IsNonAscii(text[j])) {
            Refuse(text, j, file,
                   "unexpected character: the first character after a line-ending backslash "
                   "must be plain ASCII");
        }
    }
}

}  // namespace thornbrake::scenario

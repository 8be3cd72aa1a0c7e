// thornbrake-profile-probe: answers profile lookups with Windows' own
// GetPrivateProfileIntA, so tests can hold our reader against it.
//
// Reads lookups from standard input, one per line, four tab-separated fields:
//   file<TAB>section<TAB>key<TAB>default
// and prints one line per lookup: the result read as a signed 32-bit integer,
// as the plugin stores it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

constexpr std::size_t kFieldCount = 4;

// Splits `line` at tabs into exactly four fields; false when the count differs.
bool SplitFields(const std::string& line, std::array<std::string, kFieldCount>& fields) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::size_t tab = line.find('\t', start);
        const bool last = i + 1 == kFieldCount;
        if (last != (tab == std::string::npos)) return false;
        fields[i] = line.substr(start, last ? std::string::npos : tab - start);
        start = tab + 1;
    }
    return true;
}

bool ParseDefault(const std::string& text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

int main() {
    // Plain "\n" line ends on the pipe, whatever the C runtime's text mode does.
    _setmode(_fileno(stdout), _O_BINARY);
    std::string line;
    std::array<std::string, kFieldCount> fields;
    for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        int fallback = 0;
        if (!SplitFields(line, fields)) {
            std::fprintf(stderr, "<stdin>:%d: expected file, section, key and default separated by tabs\n",
                         lineNumber);
            return 2;
        }
        if (!ParseDefault(fields[3], fallback)) {
            std::fprintf(stderr, "<stdin>:%d: default \"%s\" is not a 32-bit integer\n", lineNumber,
                         fields[3].c_str());
            return 2;
        }
        const UINT result =
            GetPrivateProfileIntA(fields[1].c_str(), fields[2].c_str(), fallback, fields[0].c_str());
        std::printf("%d\n", static_cast<int>(static_cast<std::int32_t>(result)));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

#include "pe_report.h"

#include <sstream>
#include <stdexcept>

#include "process_runner.h"
#include "windows_test_config.h"

namespace thornbrake::windows_test {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Objdump(const std::string& option, const std::filesystem::path& image) {
    const ProcessResult result = RunProcess({kObjdump.string(), option, image.string()}, image.parent_path());
    if (result.exitCode != 0) {
        throw std::runtime_error("objdump " + option + " " + image.string() + " failed:\n" + Describe(result));
    }
    return result.out;
}

// "file.asi:     file format pei-x86-64" -> "pei-x86-64".
std::string FileFormat(const std::string& report) {
    const std::string marker = "file format ";
    const auto at = report.find(marker);
    return at == std::string::npos ? std::string{} : Trimmed(Lines(report.substr(at + marker.size())).front());
}

// The indented lines under "Characteristics 0x...".
std::vector<std::string> Characteristics(const std::vector<std::string>& lines) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].starts_with("Characteristics ")) continue;
        for (++i; i < lines.size() && lines[i].starts_with("\t"); ++i) found.push_back(Trimmed(lines[i]));
        break;
    }
    return found;
}

// "Number in:" is followed by the export address count and then by
// "[Name Pointer/Ordinal] Table <hex>", the number of exported names. An
// image without export table exports nothing.
std::uint64_t ExportedNames(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (Trimmed(lines[i]) != "Number in:") continue;
        const std::string row = Trimmed(lines[i + 2]);
        if (!row.starts_with("[Name Pointer")) throw std::runtime_error("unexpected export table: " + row);
        return std::stoull(row.substr(row.find_last_of(" \t") + 1), nullptr, 16);
    }
    return 0;
}

// Section table rows of `objdump -h` start with an index, then the name.
std::vector<std::string> SectionNames(const std::string& headers) {
    std::vector<std::string> names;
    for (const std::string& line : Lines(headers)) {
        std::istringstream row(line);
        int index = 0;
        std::string name;
        if (row >> index >> name) names.push_back(name);
    }
    return names;
}

}  // namespace

std::map<std::string, std::vector<std::string>> ParseImports(const std::string& privateHeaders) {
    std::map<std::string, std::vector<std::string>> imports;
    const std::vector<std::string> lines = Lines(privateHeaders);
    const std::string marker = "DLL Name: ";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto at = lines[i].find(marker);
        if (at == std::string::npos) continue;
        std::vector<std::string>& names = imports[Trimmed(lines[i].substr(at + marker.size()))];
        // Skip the column heading; one member per line until a blank line.
        for (i += 2; i < lines.size() && !Trimmed(lines[i]).empty(); ++i) {
            const std::string row = Trimmed(lines[i]);
            names.push_back(row.substr(row.find_last_of(" \t") + 1));
        }
    }
    return imports;
}

PeReport ReadPeReport(const std::filesystem::path& image) {
    const std::string privateHeaders = Objdump("-p", image);
    const std::vector<std::string> lines = Lines(privateHeaders);
    PeReport report;
    report.fileFormat = FileFormat(privateHeaders);
    report.characteristics = Characteristics(lines);
    report.imports = ParseImports(privateHeaders);
    report.exportedNames = ExportedNames(lines);
    report.sections = SectionNames(Objdump("-h", image));
    report.hasSymbolTable = Objdump("-t", image).find("no symbols") == std::string::npos;
    return report;
}

}  // namespace thornbrake::windows_test

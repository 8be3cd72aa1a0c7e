// What x86_64-w64-mingw32-objdump reports about a Windows image, taken apart
// for the tests that check how the plugin DLL is built.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace thornbrake::windows_test {

struct PeReport {
    std::string fileFormat;                                    // e.g. "pei-x86-64"
    std::vector<std::string> characteristics;                  // e.g. "DLL", "symbols stripped"
    std::map<std::string, std::vector<std::string>> imports;   // DLL name -> imported names
    std::uint64_t exportedNames = 0;                           // entries of the export name table
    std::vector<std::string> sections;                         // section names
    bool hasSymbolTable = false;
};

// Runs objdump (-p, -h, -t) on `image`; throws when objdump fails.
PeReport ReadPeReport(const std::filesystem::path& image);

// The parts of `objdump -p` output, exposed for reading other reports.
std::map<std::string, std::vector<std::string>> ParseImports(const std::string& privateHeaders);

}  // namespace thornbrake::windows_test

#include "text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "cli_errors.h"

namespace thornbrake::cli {

std::string ReadTextFile(const std::filesystem::path& file, const char* what) {
    if (std::filesystem::is_directory(file)) {
        throw InputError(file.string() + ": is a folder, not " + what);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw InputError(file.string() + ": cannot read " + what + " (" + std::strerror(errno) + ")");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace thornbrake::cli

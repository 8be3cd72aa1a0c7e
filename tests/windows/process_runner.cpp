#include "process_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace thornbrake::windows_test {
namespace {

// A scratch file that is removed when it goes out of scope. Files rather than
// pipes carry the three streams, so no pipe can fill up and block the child.
class ScratchFile {
public:
    ScratchFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "thornbrake-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0) throw std::runtime_error("cannot create a scratch file: " + std::string(std::strerror(errno)));
        close(fd);
        path_ = pattern;
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void Write(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }

private:
    std::filesystem::path path_;
};

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool overridden = false;
        for (const std::string& added : extra) overridden = overridden || added.starts_with(name);
        if (!overridden) entries.push_back(text);
    }
    entries.insert(entries.end(), extra.begin(), extra.end());
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::filesystem::path& workDir,
                         const std::string& input, const std::vector<std::string>& extraEnvironment) {
    const ScratchFile in, out, err;
    in.Write(input);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, in.path().c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.path().c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.path().c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());

    std::vector<std::string> arguments = argv;
    std::vector<std::string> environment = EnvironmentWith(extraEnvironment);
    pid_t child = 0;
    const int spawnError = posix_spawnp(&child, arguments.front().c_str(), &actions, nullptr,
                                        Pointers(arguments).data(), Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) {
        throw std::runtime_error("cannot start " + argv.front() + ": " + std::strerror(spawnError));
    }

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = out.Read();
    result.err = err.Read();
    return result;
}

std::string Describe(const ProcessResult& result) {
    std::ostringstream text;
    text << "exit code " << result.exitCode << "\n--- stdout ---\n"
         << result.out << "\n--- stderr ---\n"
         << result.err;
    return text.str();
}

}  // namespace thornbrake::windows_test

#include "wine_runner.h"

#include "windows_test_config.h"

namespace thornbrake::windows_test {

ProcessResult RunUnderWine(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::filesystem::path& workDir, const std::string& input) {
    std::vector<std::string> argv{kWine.string(), program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunProcess(argv, workDir, input,
                      {
                          "WINEPREFIX=" + kWinePrefix.string(),
                          "WINEDEBUG=-all",
                          // No offer to install Mono or Gecko: nothing here needs them.
                          "WINEDLLOVERRIDES=mscoree,mshtml=",
                      });
}

std::filesystem::path FreshScratchFolder(const std::string& name) {
    const std::filesystem::path folder = kScratchDir / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace thornbrake::windows_test

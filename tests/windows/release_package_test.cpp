// The release ZIP, as a player unpacks it into the game folder.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "process_runner.h"
#include "wine_runner.h"
#include "windows_test_config.h"

namespace thornbrake::windows_test {
namespace {

std::filesystem::path PackagePath() {
    return kWindowsTree / (std::string("Thornbrake-") + kProjectVersion + "-win64.zip");
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> ArchiveEntries(const std::filesystem::path& archive) {
    const ProcessResult listing = RunProcess({kCMake.string(), "-E", "tar", "tf", archive.string()},
                                             archive.parent_path());
    if (listing.exitCode != 0) throw std::runtime_error("cannot list " + archive.string() + "\n" + Describe(listing));
    std::set<std::string> entries;
    std::istringstream lines(listing.out);
    for (std::string line; std::getline(lines, line);) entries.insert(line);
    return entries;
}

TEST(ReleasePackage, IsNamedAfterTheProjectVersion) {
    EXPECT_TRUE(std::filesystem::is_regular_file(PackagePath())) << PackagePath();
}

TEST(ReleasePackage, HoldsExactlyThePluginItsSettingsAndTheInstallText) {
    // No folder of its own: everything lands next to the game's executable.
    const std::set<std::string> expected{"Thornbrake.asi", "Thornbrake.ini", "Thornbrake-INSTALL.txt"};
    EXPECT_EQ(ArchiveEntries(PackagePath()), expected);
}

TEST(ReleasePackage, ShipsTheBuiltPluginAndTheDocumentedSettingsUnchanged) {
    const std::filesystem::path unpacked = FreshScratchFolder("release-package");
    const ProcessResult extract =
        RunProcess({kCMake.string(), "-E", "tar", "xf", PackagePath().string()}, unpacked);
    ASSERT_EQ(extract.exitCode, 0) << Describe(extract);

    EXPECT_EQ(FileBytes(unpacked / "Thornbrake.asi"), FileBytes(PluginPath()));
    EXPECT_EQ(FileBytes(unpacked / "Thornbrake.ini"), FileBytes(kSourceDir / "packaging" / "Thornbrake.ini"));
    const std::string install = FileBytes(unpacked / "Thornbrake-INSTALL.txt");
    EXPECT_NE(install.find(std::string("Thornbrake ") + kProjectVersion), std::string::npos)
        << "the install text names another version:\n" << install;
}

}  // namespace
}  // namespace thornbrake::windows_test

// How Thornbrake.asi is built, read from the image itself: what a player's
// game process needs to load it, and nothing more.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "pe_report.h"
#include "windows_test_config.h"

namespace thornbrake::windows_test {
namespace {

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Windows itself, the C runtime (the old msvcrt or the UCRT's API sets) and
// the script host. A mingw runtime DLL here would make the game fail to load
// the plugin on every machine without mingw.
bool IsAllowedImport(const std::string& dll) {
    const std::string name = Lowercase(dll);
    return name == "kernel32.dll" || name == "msvcrt.dll" || name == "scripthookrdr2.dll" ||
           (name.starts_with("api-ms-win-crt-") && name.ends_with(".dll"));
}

class PluginImage : public testing::Test {
protected:
    static void SetUpTestSuite() { report_ = new PeReport(ReadPeReport(PluginPath())); }
    static void TearDownTestSuite() {
        delete report_;
        report_ = nullptr;
    }
    static const PeReport& Report() { return *report_; }

private:
    static inline PeReport* report_ = nullptr;
};

TEST_F(PluginImage, IsA64BitDll) {
    EXPECT_EQ(Report().fileFormat, "pei-x86-64");
    EXPECT_NE(std::find(Report().characteristics.begin(), Report().characteristics.end(), "DLL"),
              Report().characteristics.end());
}

TEST_F(PluginImage, ImportsOnlyFromWindowsTheCRuntimeAndTheScriptHost) {
    ASSERT_FALSE(Report().imports.empty());
    for (const auto& [dll, names] : Report().imports) {
        EXPECT_TRUE(IsAllowedImport(dll)) << "Thornbrake.asi imports from " << dll;
    }
}

TEST_F(PluginImage, ImportsTheEightHostFunctionsByTheirDecoratedNames) {
    // The host exports C++ functions built with MSVC: these names, and only
    // these, are in its export table.
    const std::set<std::string> decorated{
        "?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z",
        "?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z",
        "?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z",
        "?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z",
        "?scriptWait@@YAXK@Z",
        "?nativeInit@@YAX_K@Z",
        "?nativePush64@@YAX_K@Z",
        "?nativeCall@@YAPEA_KXZ",
    };
    const auto host = Report().imports.find("ScriptHookRDR2.dll");
    ASSERT_NE(host, Report().imports.end()) << "no imports from ScriptHookRDR2.dll";
    EXPECT_EQ(std::set<std::string>(host->second.begin(), host->second.end()), decorated);
    EXPECT_EQ(host->second.size(), decorated.size()) << "a host function is imported twice";
}

TEST_F(PluginImage, ExportsNothing) {
    // Loaders only need DllMain; exported internals would just be clutter.
    EXPECT_EQ(Report().exportedNames, 0u);
}

TEST_F(PluginImage, IsStrippedAndSmall) {
    EXPECT_FALSE(Report().hasSymbolTable);
    for (const std::string& section : Report().sections) {
        EXPECT_FALSE(section.starts_with(".debug")) << "debug section " << section;
    }
    // The plugin needs a few tens of kilobytes; the statically linked C++
    // runtime only grows it towards a megabyte when something pulls in
    // iostreams, locales or exceptions machinery the plugin must not use.
    constexpr std::uintmax_t kBudgetBytes = 128 * 1024;
    EXPECT_LT(std::filesystem::file_size(PluginPath()), kBudgetBytes);
}

}  // namespace
}  // namespace thornbrake::windows_test

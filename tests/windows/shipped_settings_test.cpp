// The settings file shipped in the release ZIP, read the way the plugin reads
// it: the plugin's own thirteen reads (LoadSettings) against the file's text.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/platform.h"
#include "settings/profile_reader.h"
#include "settings/settings.h"
#include "windows_test_config.h"

namespace {

struct SettingsRead {
    std::string section;
    std::string key;
    std::int32_t fallback;
    std::int32_t value;
    bool found;
};

// What the platform seam answers from. Null outside a test: the plugin's
// static initialiser calls the seam before main runs.
constinit const std::string* gProfileText = nullptr;
constinit std::vector<SettingsRead>* gReads = nullptr;

std::vector<SettingsRead> ReadAllSettings(const std::string& text) {
    std::vector<SettingsRead> reads;
    gProfileText = &text;
    gReads = &reads;
    thornbrake::LoadSettings();
    gProfileText = nullptr;
    gReads = nullptr;
    return reads;
}

std::string ShippedFile() {
    std::ifstream in(thornbrake::windows_test::kSourceDir / "packaging" / "Thornbrake.ini", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ShippedSettingsFile, SetsEveryKeyInItsOwnSection) {
    for (const SettingsRead& read : ReadAllSettings(ShippedFile())) {
        EXPECT_TRUE(read.found) << read.key << " is not set in [" << read.section << "]";
    }
}

TEST(ShippedSettingsFile, HoldsTheDefaults) {
    // A missing file gives every default, so the shipped file changes nothing
    // until the player edits it.
    for (const SettingsRead& read : ReadAllSettings(ShippedFile())) {
        EXPECT_EQ(read.value, read.fallback) << "[" << read.section << "] " << read.key;
    }
}

TEST(ShippedSettingsFile, DocumentsEveryKeyWithItsDefault) {
    const std::string text = ShippedFile();
    for (const SettingsRead& read : ReadAllSettings(text)) {
        const std::string note = "; " + read.key + " (default " + std::to_string(read.fallback);
        EXPECT_NE(text.find(note), std::string::npos) << "no line starting \"" << note << "\"";
    }
}

}  // namespace

namespace thornbrake::platform {

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t fallback, const char* /*path*/) {
    if (gProfileText == nullptr) return fallback;
    const std::int32_t value = ProfileIntFromText(*gProfileText, section, key, fallback);
    const bool found = FindProfileValue(*gProfileText, section, key).has_value();
    gReads->push_back({section, key, fallback, value, found});
    return value;
}

}  // namespace thornbrake::platform

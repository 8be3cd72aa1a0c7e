// The plugin's keyboard table, driven through the handler it registers.
#include <gtest/gtest.h>

#include "host/plugin_entry.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;

class KeyboardTable : public HostTest {
protected:
    void SetUp() override {
        host.SetBootTickMs((std::uint64_t{1} << 32) + 500);
        host.Attach();
        host.RunFrames(3);  // 99 ms after boot + 2^32 + 500
    }
    static constexpr std::uint32_t kTickNow = 500 + 99;  // GetTickCount keeps the low 32 bits

    static bool OnlyEntryChanged(std::uint32_t key) {
        for (std::uint32_t k = 0; k < kKeyStateCount; ++k) {
            const KeyState& e = gKeyStates[k];
            const bool zero = e.tickMs == 0 && e.altHeld == 0 && e.previouslyDown == 0 && e.released == 0;
            if (k != key && !zero) return false;
        }
        return true;
    }
};

TEST_F(KeyboardTable, HighestKeyIsStoredWithTickAndTheThreeFlags) {
    ASSERT_TRUE(host.SendKeyboardMessage(254, 3, 0x45, 1, 1, 0, 1));
    const KeyState& entry = gKeyStates[254];
    EXPECT_EQ(entry.tickMs, kTickNow);
    EXPECT_EQ(entry.altHeld, 1);
    EXPECT_EQ(entry.previouslyDown, 0);
    EXPECT_EQ(entry.released, 1);
    EXPECT_TRUE(OnlyEntryChanged(254));
    EXPECT_EQ(host.TickCountReads(), 1);
}

TEST_F(KeyboardTable, KeysFrom255OnAreIgnoredWithoutReadingTheTick) {
    for (const std::uint32_t key : {255u, 256u, 0xFFFFFFFFu}) {
        host.SendKeyboardMessage(key, 1, 1, 1, 1, 1, 1);
    }
    EXPECT_TRUE(OnlyEntryChanged(kKeyStateCount));
    EXPECT_EQ(host.TickCountReads(), 0);
}

TEST_F(KeyboardTable, LastMessageForAKeyWins) {
    host.SendKeyboardMessage(65, 1, 30, 0, 1, 1, 0);
    host.RunFrames(1);
    host.SendKeyboardMessage(65, 1, 30, 0, 0, 0, 1);
    const KeyState& entry = gKeyStates[65];
    EXPECT_EQ(entry.tickMs, kTickNow + 34);  // one frame later: 133.332 ms after the boot offset
    EXPECT_EQ(entry.altHeld, 0);
    EXPECT_EQ(entry.previouslyDown, 0);
    EXPECT_EQ(entry.released, 1);
}

TEST_F(KeyboardTable, RepeatScanCodeAndExtendedFlagLeaveNoTrace) {
    host.SendKeyboardMessage(65, 1, 30, 0, 1, 0, 0);
    const KeyState first = gKeyStates[65];
    gKeyStates = {};
    host.SendKeyboardMessage(65, 0xFFFF, 0xFF, 1, 1, 0, 0);
    const KeyState& second = gKeyStates[65];
    EXPECT_EQ(second.tickMs, first.tickMs);
    EXPECT_EQ(second.altHeld, first.altHeld);
    EXPECT_EQ(second.previouslyDown, first.previouslyDown);
    EXPECT_EQ(second.released, first.released);
    EXPECT_TRUE(OnlyEntryChanged(65));
}

TEST_F(KeyboardTable, NoHandlerAfterDetach) {
    host.Detach();
    EXPECT_FALSE(host.SendKeyboardMessage(65, 1, 30, 0, 1, 0, 0));
    EXPECT_TRUE(OnlyEntryChanged(kKeyStateCount));
}

}  // namespace
}  // namespace thornbrake::sim

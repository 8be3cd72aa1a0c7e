// What the real plugin pushes and reads, seen from the host: negative values
// travel as their low 32 bits, floats as their single-precision bits, a
// position is read from byte offsets 0, 8 and 16, text by its address.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <ostream>

#include "hazards/model_catalogue.h"
#include "sim_test_support.h"

namespace thornbrake::sim {
namespace {

using testing::HostTest;
using testing::Lines;

std::uint64_t FloatBits(float value) { return std::bit_cast<std::uint32_t>(value); }

// Index of the first record of operation `name` at or after `from`.
std::size_t Find(const Trace& trace, std::string_view name, std::size_t from = 0) {
    const auto records = trace.Records();
    for (std::size_t i = from; i < records.size(); ++i) {
        if (records[i].kind == CallKind::Operation && records[i].op->name == name) return i;
    }
    ADD_FAILURE() << "no " << name << " in the trace";
    return records.size();
}

using CallPacking = HostTest;

TEST_F(CallPacking, NegativeHandlesTravelAsTheirLow32BitsAndDecodeBack) {
    host.State().character.handle = -7;
    host.State().horse.handle = -2;
    host.Attach();
    host.RunPasses(1);

    const Trace& trace = host.GetTrace();
    const std::size_t mount = Find(trace, "GetMount");
    ASSERT_LT(mount, trace.size());
    EXPECT_EQ(trace.Records()[mount].args[0], 0x00000000FFFFFFF9u);
    EXPECT_EQ(ToText(trace.Records()[mount]), "GetMount(-7) = -2");

    const std::size_t mountPosition = Find(trace, "GetEntityPosition", Find(trace, "GetEntityPosition") + 1);
    ASSERT_LT(mountPosition, trace.size());
    EXPECT_EQ(trace.Records()[mountPosition].args[0], 0x00000000FFFFFFFEu);
}

struct PositionCase {
    const char* name;
    Vec3 player;
    Vec3 horse;
};

// Failure messages name the case, not its bytes.
void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class PositionPacking : public HostTest, public ::testing::WithParamInterface<PositionCase> {};

// The first cactus model's three probes are centred on the snapshot's
// positions: player, horse, player. Each coordinate must arrive bit for bit,
// which fails if the result is read at the wrong offsets or converted.
TEST_P(PositionPacking, ProbesCarryTheWorldPositionsBitForBit) {
    const PositionCase& c = GetParam();
    host.State().character.position = c.player;
    host.State().horse.position = c.horse;
    host.Attach();
    host.RunPasses(1);

    const Trace& trace = host.GetTrace();
    const std::size_t first = Find(trace, "IsModelNear");
    ASSERT_LT(first + 2, trace.size());
    const Vec3 expected[3] = {c.player, c.horse, c.player};
    for (std::size_t probe = 0; probe < 3; ++probe) {
        SCOPED_TRACE(ToText(trace.Records()[first + probe]));
        const CallRecord& r = trace.Records()[first + probe];
        EXPECT_EQ(r.args[0], FloatBits(expected[probe].x));
        EXPECT_EQ(r.args[1], FloatBits(expected[probe].y));
        EXPECT_EQ(r.args[2], FloatBits(expected[probe].z));
        EXPECT_EQ(r.args[4], kCactusModels[0]);
    }
    EXPECT_EQ(trace.Records()[first].args[3], FloatBits(0.6f));
    EXPECT_EQ(trace.Records()[first + 1].args[3], FloatBits(0.7f));
    EXPECT_EQ(trace.Records()[first + 2].op->name, "ModelVetoQuery");
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PositionPacking,
    ::testing::Values(
        PositionCase{"Typical", {10.5f, -3.25f, 41.0f}, {-1.0f, 2.0f, -3.0f}},
        PositionCase{"SignedZeroAndTiny", {-0.0f, 1e-7f, -1e-38f}, {0.0f, -0.0f, 1e-45f}},
        PositionCase{"Large", {3.4e38f, -123456.79f, 16777217.0f}, {-3.4e38f, 8388607.5f, 0.1f}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CallPacking, MoodTextArrivesAsTheAddressOfAgitated) {
    WorldState& w = host.State();
    w.character.onMount = true;
    w.character.position = {100.0f, 100.0f, 0.0f};
    w.horse.position = {5.0f, 5.0f, 0.0f};
    w.horse.speed = 3.0f;
    w.AddPlant({kCactusModels[0], {5.0f, 5.0f, 0.0f}, false});
    bool sawAgitated = false;
    host.SetFrameHook([&](WorldState& world, std::int64_t) { sawAgitated |= world.horse.mood == "Agitated"; });
    host.Attach();
    host.RunPasses(1);

    const std::vector<std::string> lines = Lines(host);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "SetMood(2002, \"Agitated\")"), lines.end());
    EXPECT_TRUE(sawAgitated) << "the world held the mood while the plugin waited";
    EXPECT_EQ(w.horse.mood, "") << "the reaction ends by clearing the mood";
}

}  // namespace
}  // namespace thornbrake::sim

// The simulator's operation table against the plugin's identifiers: a typo on
// either side makes the other side's decoder reject the call, so both lists
// are checked against each other here, name by name.
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "host/game_operations.h"
#include "sim/operation_table.h"

namespace thornbrake::sim {
namespace {

struct PluginOperation {
    std::string_view name;
    std::uint64_t id;
};

constexpr PluginOperation kPluginOperations[] = {
    {"GetPlayerCharacter", op::kGetPlayerCharacter},
    {"GetPlayerIndex", op::kGetPlayerIndex},
    {"GetMount", op::kGetMount},
    {"GetEntityPosition", op::kGetEntityPosition},
    {"RandomIntInRange", op::kRandomIntInRange},
    {"GetEntitySpeed", op::kGetEntitySpeed},
    {"GetEntityHealth", op::kGetEntityHealth},
    {"GetCharacterStamina", op::kGetCharacterStamina},
    {"IsCharacterOnMount", op::kIsCharacterOnMount},
    {"IsModelNear", op::kIsModelNear},
    {"ModelVetoQuery", op::kModelVetoQuery},
    {"MissionQueryA", op::kMissionQueryA},
    {"MissionQueryB", op::kMissionQueryB},
    {"IsPlayerDead", op::kIsPlayerDead},
    {"IsPlayerControlOn", op::kIsPlayerControlOn},
    {"ApplyDamageToCharacter", op::kApplyDamageToCharacter},
    {"ChangeCharacterStamina", op::kChangeCharacterStamina},
    {"ChangeDeadEye", op::kChangeDeadEye},
    {"SetCoreValue", op::kSetCoreValue},
    {"PlayPain", op::kPlayPain},
    {"SetMood", op::kSetMood},
    {"ClearMood", op::kClearMood},
    {"MountHurtResponse", op::kMountHurtResponse},
    {"MountFinalResponse", op::kMountFinalResponse},
    {"TripCharacter", op::kTripCharacter},
};

TEST(OperationTable, EveryPluginIdentifierDecodesToTheOperationOfThatName) {
    for (const PluginOperation& expected : kPluginOperations) {
        SCOPED_TRACE(expected.name);
        const OperationInfo* byId = FindOperation(expected.id);
        ASSERT_NE(byId, nullptr);
        EXPECT_EQ(byId->name, expected.name);
        EXPECT_EQ(FindOperation(expected.name), byId);
        EXPECT_EQ(&Operation(byId->code), byId);
    }
}

TEST(OperationTable, HoldsExactlyThePluginsOperationsEachOnce) {
    std::set<std::string_view> names;
    std::set<std::uint64_t> ids;
    for (const OperationInfo& info : AllOperations()) {
        names.insert(info.name);
        ids.insert(info.id);
    }
    std::set<std::string_view> pluginNames;
    for (const PluginOperation& p : kPluginOperations) pluginNames.insert(p.name);
    EXPECT_EQ(names, pluginNames);
    EXPECT_EQ(ids.size(), AllOperations().size());
}

TEST(OperationTable, UnknownIdentifiersAndNamesAreNotFound) {
    EXPECT_EQ(FindOperation(std::uint64_t{0}), nullptr);
    EXPECT_EQ(FindOperation(op::kIsModelNear + 1), nullptr);
    EXPECT_EQ(FindOperation(std::string_view("isModelNear")), nullptr);
}

}  // namespace
}  // namespace thornbrake::sim

// Every value the plugin computes from a setting is defined for every 32-bit
// input: whole passes run in the simulated world with one setting at a time at
// INT32_MIN, INT32_MAX, 0 and -1 (the sanitizer build halts on any undefined
// arithmetic), and the amounts the plugin hands to the game are the saturated
// or converted ones worked out here independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>

#include "hazards/model_catalogue.h"
#include "sim/script_host.h"

namespace thornbrake::hardening {
namespace {

using sim::CallKind;
using sim::CallRecord;
using sim::OpCode;
using sim::ScriptHost;
using sim::WorldState;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kExtremes[] = {kMin, kMax, 0, -1};

// The ten damage rolls, forced in the order the plugin asks for them.
constexpr std::int32_t kHealthA = 150, kHealthB = 100, kStaminaA = 80, kStaminaB = 45,
                       kDeadEyeA = 60, kDeadEyeB = 35, kHorseHealthA = 70, kHorseHealthB = 45,
                       kHorseStaminaA = 100, kHorseStaminaB = 55;
constexpr std::int32_t kTripRoll = 50;

constexpr std::int32_t kCharacter = 1001;
constexpr std::int32_t kHorse = 2002;
constexpr std::int32_t kPlayer = 0;

// --- The arithmetic, worked out apart from the plugin's code -----------------

std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, kMin, kMax));
}
// roll x modifier, held at the 32-bit limits, then divided by 4 toward zero.
double Scaled(std::int32_t roll, std::int32_t modifier) {
    return Clamp32(std::int64_t{roll} * modifier) / 4;
}
// A drain: the scaled amount as a float, negated.
double Drain(std::int32_t roll, std::int32_t modifier) {
    return -static_cast<float>(Clamp32(std::int64_t{roll} * modifier) / 4);
}
double RawDrain(std::int32_t modifier) { return -static_cast<float>(modifier); }
double TripsIf(bool trips) { return trips ? 1 : 0; }

// --- Worlds ------------------------------------------------------------------

void Place(WorldState& w, std::uint32_t model, float dx = 0.3f) {
    w.AddPlant({model, {w.character.position.x + dx, 0.0f, 0.0f}, false});
}

void OnFoot(WorldState& w, std::uint32_t model, float speed) {
    w.character.position = {0.0f, 0.0f, 0.0f};
    w.horse.position = {50.0f, 0.0f, 0.0f};
    w.character.speed = speed;
    Place(w, model);
}

void Riding(WorldState& w, std::uint32_t model, float horseSpeed) {
    w.character.onMount = true;
    w.character.position = w.horse.position = {0.0f, 0.0f, 0.0f};
    w.character.speed = w.horse.speed = horseSpeed;
    Place(w, model);
}

const std::uint32_t kCactus = kCactusModels[0];
const std::uint32_t kBushA = kBushGroups[0].models[0];
const std::uint32_t kBushC = kBushGroups[2].models[0];  // upper threshold 2 x TripChance / 3
const std::uint32_t kBushD = kBushGroups[3].models[0];  // upper threshold TripChance / 2

// --- What a run shows --------------------------------------------------------

std::int32_t IntArg(const CallRecord& r, std::size_t i) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(r.args[i]));
}
float FloatArg(const CallRecord& r, std::size_t i) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(r.args[i]));
}
bool Is(const CallRecord& r, OpCode code) {
    return r.kind == CallKind::Operation && r.op != nullptr && r.op->code == code;
}

using Records = std::span<const CallRecord>;

std::optional<double> FirstDamageTo(Records records, std::int32_t target) {
    for (const CallRecord& r : records) {
        if (Is(r, OpCode::ApplyDamageToCharacter) && IntArg(r, 0) == target) return IntArg(r, 1);
    }
    return std::nullopt;
}
std::optional<double> FirstStaminaChangeOf(Records records, std::int32_t entity) {
    for (const CallRecord& r : records) {
        if (Is(r, OpCode::ChangeCharacterStamina) && IntArg(r, 0) == entity) return FloatArg(r, 1);
    }
    return std::nullopt;
}
std::optional<double> FirstDeadEyeChange(Records records) {
    for (const CallRecord& r : records) {
        if (Is(r, OpCode::ChangeDeadEye) && IntArg(r, 0) == kPlayer) return FloatArg(r, 1);
    }
    return std::nullopt;
}
double Count(Records records, OpCode code) {
    return static_cast<double>(std::count_if(records.begin(), records.end(),
                                             [&](const CallRecord& r) { return Is(r, code); }));
}
// A cholla tick empties core 0 first.
double ChollaTicks(Records records) {
    return static_cast<double>(std::count_if(records.begin(), records.end(), [](const CallRecord& r) {
        return Is(r, OpCode::SetCoreValue) && IntArg(r, 1) == 0;
    }));
}
// A run of twenty seconds has room for at least this many cool-down waits.
constexpr double kWaitsInTwentySeconds = 15;
constexpr double kStillCooling = -1;

// The 1000 ms waits after the first trip, up to the end of its pass; or
// kStillCooling when the pass has not ended and the waits fill the run.
double CooldownWaits(Records records) {
    auto r = std::find_if(records.begin(), records.end(),
                          [](const CallRecord& c) { return Is(c, OpCode::TripCharacter); });
    double waits = 0;
    for (; r != records.end(); ++r) {
        if (r->kind != CallKind::Wait) continue;
        if (r->args[0] == 0) return waits;
        waits += r->args[0] == 1000;
    }
    return waits >= kWaitsInTwentySeconds ? kStillCooling : waits;
}

// --- The table ---------------------------------------------------------------

struct Probe {
    const char* name;
    const char* section;
    const char* key;
    void (*world)(WorldState&);
    void (*run)(ScriptHost&);
    std::optional<double> (*observe)(Records);
    std::optional<double> (*expect)(std::int32_t value);
    std::int32_t firstTripRoll = kTripRoll;
};

void OnePass(ScriptHost& host) { host.RunPasses(1); }

// The arming pass with the cholla, then four passes away from it.
void ArmThenWalkAway(ScriptHost& host) {
    host.RunPasses(1);
    host.State().character.position = {100.0f, 0.0f, 0.0f};
    host.RunPasses(4);
}
constexpr double kLingerPasses = 5;

// Twenty seconds of game time: a cool-down of 2^31 seconds is still running
// at the end, and must simply keep waiting.
void TwentySeconds(ScriptHost& host) { host.RunForMs(20'000); }

const Probe kProbes[] = {
    {"on foot, fast band, health", "PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 3.0f); }, OnePass,
     [](Records r) { return FirstDamageTo(r, kCharacter); },
     [](std::int32_t m) -> std::optional<double> { return Scaled(kHealthA, m); }},
    {"on foot, slow band, health", "PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 1.0f); }, OnePass,
     [](Records r) { return FirstDamageTo(r, kCharacter); },
     [](std::int32_t m) -> std::optional<double> { return Scaled(kHealthB, m); }},
    {"on foot, still, health", "PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 0.0f); }, OnePass,
     [](Records r) { return FirstDamageTo(r, kCharacter); },
     [](std::int32_t m) -> std::optional<double> { return m; }},
    {"cholla contact, health", "PLAYER_CACTUS_EFFECT", "CactusHealthDamageModifier",
     [](WorldState& w) { OnFoot(w, kChollaModel, 1.0f); }, OnePass,
     [](Records r) { return FirstDamageTo(r, kCharacter); },
     [](std::int32_t m) -> std::optional<double> { return Scaled(kHealthA, m); }},
    {"on foot, fast band, stamina", "PLAYER_CACTUS_EFFECT", "CactusStaminaDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 3.0f); }, OnePass,
     [](Records r) { return FirstStaminaChangeOf(r, kCharacter); },
     [](std::int32_t m) -> std::optional<double> { return Drain(kStaminaA, m); }},
    {"on foot, slow band, stamina", "PLAYER_CACTUS_EFFECT", "CactusStaminaDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 1.0f); }, OnePass,
     [](Records r) { return FirstStaminaChangeOf(r, kCharacter); },
     [](std::int32_t m) -> std::optional<double> { return Drain(kStaminaB, m); }},
    {"on foot, still, stamina", "PLAYER_CACTUS_EFFECT", "CactusStaminaDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 0.0f); }, OnePass,
     [](Records r) { return FirstStaminaChangeOf(r, kCharacter); },
     [](std::int32_t m) -> std::optional<double> { return RawDrain(m); }},
    {"on foot, fast band, dead-eye", "PLAYER_CACTUS_EFFECT", "CactusDeadEyeDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 3.0f); }, OnePass, FirstDeadEyeChange,
     [](std::int32_t m) -> std::optional<double> { return Drain(kDeadEyeA, m); }},
    {"on foot, slow band, dead-eye", "PLAYER_CACTUS_EFFECT", "CactusDeadEyeDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 1.0f); }, OnePass, FirstDeadEyeChange,
     [](std::int32_t m) -> std::optional<double> { return Drain(kDeadEyeB, m); }},
    {"on foot, still, dead-eye", "PLAYER_CACTUS_EFFECT", "CactusDeadEyeDamageModifier",
     [](WorldState& w) { OnFoot(w, kCactus, 0.0f); }, OnePass, FirstDeadEyeChange,
     [](std::int32_t m) -> std::optional<double> { return RawDrain(m); }},
    {"cholla contact arms the lingering effect", "PLAYER_CACTUS_EFFECT", "CactusChollaEffect",
     [](WorldState& w) { OnFoot(w, kChollaModel, 1.0f); }, ArmThenWalkAway,
     [](Records r) -> std::optional<double> { return ChollaTicks(r); },
     [](std::int32_t on) -> std::optional<double> { return on != 0 ? kLingerPasses : 0; }},
    {"lingering ticks after one contact", "PLAYER_CACTUS_EFFECT", "CactusChollaEffectDuration",
     [](WorldState& w) { OnFoot(w, kChollaModel, 1.0f); }, ArmThenWalkAway,
     [](Records r) -> std::optional<double> { return ChollaTicks(r); },
     [](std::int32_t n) -> std::optional<double> {
         return std::clamp<double>(n, 0, kLingerPasses);
     }},
    {"weak character on foot", "PLAYER_CACTUS_EFFECT", "CactusLethal",
     [](WorldState& w) {
         OnFoot(w, kCactus, 3.0f);
         w.character.health = 100;
     },
     OnePass, [](Records r) { return FirstDamageTo(r, kCharacter); },
     [](std::int32_t on) -> std::optional<double> { return on != 0 ? Scaled(kHealthA, 1) : 0; }},
    {"riding, fast band, horse health", "HORSE_CACTUS_EFFECT", "CactusHorseHealthDamageModifier",
     [](WorldState& w) { Riding(w, kCactus, 10.0f); }, OnePass,
     [](Records r) { return FirstDamageTo(r, kHorse); },
     [](std::int32_t m) -> std::optional<double> { return Scaled(kHorseHealthA, m); }},
    {"riding, slow band, horse health", "HORSE_CACTUS_EFFECT", "CactusHorseHealthDamageModifier",
     [](WorldState& w) { Riding(w, kCactus, 3.0f); }, OnePass,
     [](Records r) { return FirstDamageTo(r, kHorse); },
     [](std::int32_t m) -> std::optional<double> { return Scaled(kHorseHealthB, m); }},
    {"riding, still, horse health", "HORSE_CACTUS_EFFECT", "CactusHorseHealthDamageModifier",
     [](WorldState& w) { Riding(w, kCactus, 0.0f); }, OnePass,
     [](Records r) { return FirstDamageTo(r, kHorse); },
     [](std::int32_t m) -> std::optional<double> { return m; }},
    {"riding, fast band, horse stamina", "HORSE_CACTUS_EFFECT", "CactusHorseStaminaDamageModifier",
     [](WorldState& w) { Riding(w, kCactus, 10.0f); }, OnePass,
     [](Records r) { return FirstStaminaChangeOf(r, kHorse); },
     [](std::int32_t m) -> std::optional<double> { return Drain(kHorseStaminaA, m); }},
    {"riding, slow band, horse stamina", "HORSE_CACTUS_EFFECT", "CactusHorseStaminaDamageModifier",
     [](WorldState& w) { Riding(w, kCactus, 3.0f); }, OnePass,
     [](Records r) { return FirstStaminaChangeOf(r, kHorse); },
     [](std::int32_t m) -> std::optional<double> { return Drain(kHorseStaminaB, m); }},
    {"riding, still, horse stamina", "HORSE_CACTUS_EFFECT", "CactusHorseStaminaDamageModifier",
     [](WorldState& w) { Riding(w, kCactus, 0.0f); }, OnePass,
     [](Records r) { return FirstStaminaChangeOf(r, kHorse); },
     [](std::int32_t m) -> std::optional<double> { return RawDrain(m); }},
    {"weak horse", "HORSE_CACTUS_EFFECT", "CactusHorseLethal",
     [](WorldState& w) {
         Riding(w, kCactus, 10.0f);
         w.horse.health = 50;
     },
     OnePass, [](Records r) { return FirstDamageTo(r, kHorse); },
     [](std::int32_t on) -> std::optional<double> { return on != 0 ? Scaled(kHorseHealthA, 1) : 0; }},
    {"bush group A, upper band", "BUSH_EFFECT", "TripChance",
     [](WorldState& w) { OnFoot(w, kBushA, 6.0f); }, OnePass,
     [](Records r) -> std::optional<double> { return Count(r, OpCode::TripCharacter); },
     [](std::int32_t t) -> std::optional<double> { return TripsIf(t > kTripRoll); }},
    {"bush group C, upper band", "BUSH_EFFECT", "TripChance",
     [](WorldState& w) { OnFoot(w, kBushC, 6.0f); }, OnePass,
     [](Records r) -> std::optional<double> { return Count(r, OpCode::TripCharacter); },
     [](std::int32_t t) -> std::optional<double> {
         return TripsIf(Clamp32(2 * std::int64_t{t} / 3) > kTripRoll);
     }},
    {"bush group D, upper band", "BUSH_EFFECT", "TripChance",
     [](WorldState& w) { OnFoot(w, kBushD, 6.0f); }, OnePass,
     [](Records r) -> std::optional<double> { return Count(r, OpCode::TripCharacter); },
     [](std::int32_t t) -> std::optional<double> { return TripsIf(t / 2 > kTripRoll); }},
    {"bush, lower band", "BUSH_EFFECT", "TripChance",
     [](WorldState& w) {
         OnFoot(w, kBushA, 3.0f);
         w.character.stamina = 5.0f;
     },
     OnePass, [](Records r) -> std::optional<double> { return Count(r, OpCode::TripCharacter); },
     [](std::int32_t t) -> std::optional<double> {
         return TripsIf(Clamp32(2 * std::int64_t{t}) > kTripRoll);
     }},
    {"cool-down after a trip", "BUSH_EFFECT", "TripCooldown",
     [](WorldState& w) {
         OnFoot(w, kBushA, 6.0f);
     },
     TwentySeconds, [](Records r) -> std::optional<double> { return CooldownWaits(r); },
     [](std::int32_t c) -> std::optional<double> {
         if (c < 0) return 0;
         return std::int64_t{c} + 1 <= kWaitsInTwentySeconds ? c + 1.0 : kStillCooling;
     },
     1},
    {"cactus on foot in a mission", "MISC", "ToggleCactusInMission",
     [](WorldState& w) {
         OnFoot(w, kCactus, 3.0f);
         w.missionA = true;
     },
     OnePass, [](Records r) { return FirstDamageTo(r, kCharacter); },
     [](std::int32_t on) -> std::optional<double> {
         if (on == 0) return std::nullopt;  // a cry only
         return Scaled(kHealthA, 1);
     }},
    {"bush in a mission", "MISC", "ToggleBushInMission",
     [](WorldState& w) {
         OnFoot(w, kBushA, 6.0f);
         w.missionB = true;
     },
     OnePass, [](Records r) -> std::optional<double> { return Count(r, OpCode::TripCharacter); },
     [](std::int32_t on) -> std::optional<double> { return TripsIf(on != 0); }, 1},
};

std::string SettingsFile(const Probe& probe, std::int32_t value) {
    return std::string("[") + probe.section + "]\n" + probe.key + "=" + std::to_string(value) + "\n";
}

std::string Show(const std::optional<double>& v) { return v ? std::to_string(*v) : "no call"; }

TEST(SettingsAtTheirLimits, WholePassesGiveTheDefinedAmounts) {
    for (const Probe& probe : kProbes) {
        for (const std::int32_t value : kExtremes) {
            SCOPED_TRACE(std::string(probe.key) + "=" + std::to_string(value) + ", " + probe.name);
            sim::HostOptions options;
            options.seed = 11;
            ScriptHost host(options);
            host.Load(SettingsFile(probe, value));
            host.Attach();
            WorldState& world = host.State();
            world.forcedRandom = {kHealthA,       kHealthB,      kStaminaA,     kStaminaB,
                                  kDeadEyeA,      kDeadEyeB,     kHorseHealthA, kHorseHealthB,
                                  kHorseStaminaA, kHorseStaminaB, probe.firstTripRoll};
            for (int pass = 1; pass < 100; ++pass) world.forcedRandom.push_back(kTripRoll);
            probe.world(world);
            ASSERT_NO_THROW(probe.run(host));
            EXPECT_EQ(Show(probe.observe(host.GetTrace().Records())), Show(probe.expect(value)));
        }
    }
}

}  // namespace
}  // namespace thornbrake::hardening

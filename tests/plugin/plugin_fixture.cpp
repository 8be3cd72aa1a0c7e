#include "plugin_fixture.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "sim/trace_text.h"

namespace thornbrake::test {

namespace {

constexpr std::size_t kSnapshotCalls = 17;

sim::HostOptions FixtureOptions() {
    sim::HostOptions options;
    options.seed = 7;
    options.bootTickMs = kBootTick;
    return options;
}

// The shortest text that reads back to the same float, as the trace writes it.
std::string Float(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string At(const sim::Vec3& at) {
    return fmt::format("{}, {}, {}", Float(at.x), Float(at.y), Float(at.z));
}

}  // namespace

PluginFixture::PluginFixture() : host_(FixtureOptions()) {
    sim::WorldState& w = World();
    w.character.handle = kCharacter;
    w.character.position = kPlayerAt;
    w.character.speed = 3.0f;
    w.character.health = 200;
    w.character.stamina = 50.0f;
    w.horse.handle = kHorse;
    w.horse.position = kHorseAt;
    w.horse.health = 100;
    w.playerIndex = kPlayer;
}

void PluginFixture::PlantAtPlayer(ModelHash model, bool vetoed) {
    World().AddPlant({model, World().character.position, vetoed});
}

void PluginFixture::PlantAtHorse(ModelHash model) {
    World().AddPlant({model, World().horse.position, false});
}

void PluginFixture::Mount(float speed) {
    World().character.onMount = true;
    World().character.position = kHorseAt;
    World().horse.position = kHorseAt;
    World().horse.speed = speed;
}

std::vector<Lines> PluginFixture::RunPasses(int count) {
    sim::WorldState& w = World();
    if (!started_) {
        w.forcedRandom.assign(std::begin(kRolls), std::end(kRolls));
        host_.Load(settings_);
        host_.Attach();
        started_ = true;
    }
    // Each pass draws its trip roll from the forced queue while it lasts.
    for (std::int32_t roll : tripRolls_) w.forcedRandom.push_back(roll);
    tripRolls_.clear();

    host_.RunPasses(count);
    const Lines lines = sim::ToText(host_.GetTrace().Since(traceMark_));
    traceMark_ = host_.GetTrace().size();

    std::vector<Lines> passes = sim::SplitPasses(lines);
    std::vector<Lines> stages;
    for (Lines& pass : passes) {
        // The first pass also holds the registration calls and the ten rolls.
        auto snapshot = std::find(pass.begin(), pass.end(), "GetPlayerCharacter() = " +
                                                                std::to_string(w.character.handle));
        if (pass.end() - snapshot < static_cast<std::ptrdiff_t>(kSnapshotCalls)) {
            ADD_FAILURE() << "a pass without a complete snapshot";
            continue;
        }
        stages.emplace_back(snapshot + kSnapshotCalls, pass.end());
    }
    passesRun_ += count;
    return stages;
}

std::int32_t PainId(int pass) {
    constexpr std::int32_t kPainIds[] = {4, 5, 11};
    std::srand(static_cast<unsigned>(kBootTick & 0xFFFFFFFFu));
    int draw = 0;
    for (int i = 0; i <= pass; ++i) draw = std::rand();
    return kPainIds[draw % 3];
}

Lines WithoutMisses(const Lines& pass) {
    Lines kept;
    for (const std::string& line : pass) {
        const bool probe = line.starts_with("IsModelNear(") || line.starts_with("ModelVetoQuery(");
        if (probe && line.ends_with(" = 0")) continue;
        kept.push_back(line);
    }
    return kept;
}

Lines Join(std::initializer_list<Lines> blocks) {
    Lines all;
    for (const Lines& block : blocks) all.insert(all.end(), block.begin(), block.end());
    return all;
}

Lines OnMountCheck(bool onMount) {
    return {fmt::format("GetPlayerCharacter() = {}", kCharacter),
            fmt::format("IsCharacterOnMount({}) = {}", kCharacter, onMount ? 1 : 0)};
}

Lines MissionCheck(bool a, bool b) {
    if (a) return {"MissionQueryA() = 1"};
    return {"MissionQueryA() = 0", fmt::format("MissionQueryB() = {}", b ? 1 : 0)};
}

Lines BushGates(int openGroups) {
    Lines lines;
    for (int g = 0; g < openGroups; ++g) {
        lines.insert(lines.end(), {"MissionQueryA() = 0", "MissionQueryB() = 0",
                                   fmt::format("GetPlayerCharacter() = {}", kCharacter),
                                   fmt::format("IsCharacterOnMount({}) = 0", kCharacter),
                                   fmt::format("GetPlayerIndex() = {}", kPlayer),
                                   fmt::format("IsPlayerControlOn({}) = 1", kPlayer)});
    }
    return lines;
}

Lines Horse() {
    return {fmt::format("GetPlayerCharacter() = {}", kCharacter),
            fmt::format("GetMount({}) = {}", kCharacter, kHorse)};
}

std::string Near(const sim::Vec3& at, float radius, ModelHash model, bool hit) {
    return fmt::format("IsModelNear({}, {}, {}, 0) = {}", At(at), Float(radius), model, hit ? 1 : 0);
}

std::string Veto(const sim::Vec3& at, ModelHash model, bool hit) {
    return fmt::format("ModelVetoQuery({}, 0.7, {}, 0) = {}", At(at), model, hit ? 1 : 0);
}

std::string Pain(int pass) {
    return fmt::format("PlayPain({}, {}, 25, 1, 0)", kCharacter, PainId(pass));
}

std::string Damage(std::int32_t target, std::int32_t amount, std::int32_t kind,
                   std::int32_t source) {
    return fmt::format("ApplyDamageToCharacter({}, {}, 0, {}, {})", target, amount, kind, source);
}

std::string Stamina(std::int32_t entity, float change) {
    return fmt::format("ChangeCharacterStamina({}, {})", entity, Float(change));
}

std::string DeadEye(float change) {
    return fmt::format("ChangeDeadEye({}, {}, 0)", kPlayer, Float(change));
}

std::string Wait(std::uint32_t ms) { return fmt::format("scriptWait({})", ms); }

}  // namespace thornbrake::test

#include "sim/scenario/scenario_parser.h"

#include <fstream>
#include <limits>
#include <sstream>

#include "sim/scenario/nearest_name.h"
#include "sim/scenario/plant_names.h"
#include "sim/scenario/setting_keys.h"
#include "sim/scenario/toml_fields.h"
#include "sim/scenario/toml_text_guard.h"

namespace thornbrake::scenario {
namespace {

constexpr double kMaxDuration = 100.0 * 3600.0;
constexpr double kMaxSpeed = 100.0;
constexpr std::int64_t kMaxHealth = 1'000'000;
constexpr double kMaxStamina = 1.0e6;
constexpr std::int64_t kMaxPatchPlants = 100'000;

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string PlantNameHint() {
    return "plants are cactus-1 to cactus-8, cholla, bush-A-1 to bush-A-51, bush-B-1 to "
           "bush-B-31, bush-C-1 to bush-C-5, bush-D-1 to bush-D-21, bush-E-1 to bush-E-12, or a "
           "model identifier such as 0x60A81CC4";
}

[[noreturn]] void FailUnknownPlant(const std::string& file, const toml::node& node,
                                   std::string_view name, bool groupsAllowed) {
    std::string message = "unknown plant " + Quoted(name);
    if (const auto nearest = NearestName(name, std::span<const std::string>(AllPlantNames()))) {
        message += "; did you mean " + Quoted(*nearest) + "?";
    } else {
        message += "; " + PlantNameHint();
        if (groupsAllowed) message += ", or a group: cactus, bush, bush-A ... bush-E";
    }
    FailAt(file, node.source(), message);
}

class Parser {
public:
    Parser(const toml::table& root, std::string file, std::filesystem::path path)
        : root_(root), file_(std::move(file)), path_(std::move(path)) {}

    Scenario Parse() {
        const TableFields top(root_, "the scenario", file_,
                              {"name", "description", "duration", "frame_time", "seed",
                               "settings", "overrides", "character", "horse", "route", "plant",
                               "patch", "mission", "control_off", "reactions"});
        Scenario scenario;
        scenario.file = path_;
        scenario.name = top.String("name").value_or(path_.stem().string());
        scenario.description = top.String("description").value_or("");
        top.Require("duration");
        scenario.duration = *top.Number("duration", {0.0, kMaxDuration, false, true, "s"});
        if (const auto frame = top.Number("frame_time", {0.001, 0.5, true, true, "s"})) {
            scenario.frameTimeUs = static_cast<std::int64_t>(*frame * 1.0e6 + 0.5);
        }
        if (const auto seed =
                top.Integer("seed", {0.0, static_cast<double>(std::numeric_limits<std::int64_t>::max())})) {
            scenario.seed = static_cast<std::uint64_t>(*seed);
        }
        ReadSettings(top, scenario);
        ReadCharacter(top, scenario);
        ReadHorse(top, scenario);
        ReadRoute(top, scenario);
        for (const toml::table* plant : top.TableArray("plant")) ReadPlant(*plant, scenario);
        for (const toml::table* patch : top.TableArray("patch")) ReadPatch(*patch, scenario);
        for (const toml::table* mission : top.TableArray("mission")) ReadMission(*mission, scenario);
        for (const toml::table* off : top.TableArray("control_off")) {
            const TableFields fields(*off, "[[control_off]]", file_, {"from", "to"});
            scenario.controlOff.push_back(ReadInterval(fields));
        }
        ReadReactions(top, scenario);
        return scenario;
    }

private:
    void ReadSettings(const TableFields& top, Scenario& scenario) {
        if (const auto settings = top.String("settings")) {
            if (settings->empty()) top.Fail("settings", "'settings' must name a file");
            std::filesystem::path file(*settings);
            if (file.is_relative()) file = path_.parent_path() / file;
            std::ifstream probe(file, std::ios::binary);
            if (!probe) {
                top.Fail("settings", "settings file " + Quoted(file.string()) +
                                         " cannot be read (paths are relative to the scenario)");
            }
            scenario.settingsFile = file;
        }
        const toml::table* overrides = top.Table("overrides");
        if (overrides == nullptr) return;
        std::vector<std::string> names;
        for (const SettingKey& key : SettingKeys()) names.emplace_back(key.key);
        for (const auto& [key, node] : *overrides) {
            const SettingKey* setting = FindSettingKey(key.str());
            if (setting == nullptr) {
                std::string message = "unknown setting " + Quoted(key.str()) + " in [overrides]";
                if (const auto nearest = NearestName(key.str(), std::span<const std::string>(names))) {
                    message += "; did you mean " + Quoted(*nearest) + "?";
                }
                FailAt(file_, key.source(), message);
            }
            std::int64_t value = 0;
            if (const auto flag = node.value_exact<bool>()) {
                value = *flag ? 1 : 0;
            } else if (const auto integer = node.value_exact<std::int64_t>()) {
                value = *integer;
            } else {
                FailAt(file_, node.source(),
                       Quoted(key.str()) + " must be a whole number or true/false, not " +
                           std::string(TypeName(node)));
            }
            if (value < std::numeric_limits<std::int32_t>::min() ||
                value > std::numeric_limits<std::int32_t>::max()) {
                FailAt(file_, node.source(),
                       Quoted(key.str()) + " must fit in 32 bits (-2147483648 to 2147483647), not " +
                           std::to_string(value));
            }
            scenario.overrides.push_back({std::string(setting->key), static_cast<std::int32_t>(value)});
        }
    }

    void ReadCharacter(const TableFields& top, Scenario& scenario) {
        const toml::table* table = top.Table("character");
        if (table == nullptr) return;
        const TableFields fields(*table, "[character]", file_,
                                 {"start", "health", "max_health", "stamina", "max_stamina",
                                  "dead_eye", "max_dead_eye", "death_at"});
        CharacterStart& c = scenario.character;
        c.start = fields.Position("start").value_or(c.start);
        c.maxHealth = static_cast<std::int32_t>(
            fields.Integer("max_health", {1.0, kMaxHealth}).value_or(c.maxHealth));
        c.health = static_cast<std::int32_t>(
            fields.Integer("health", {1.0, static_cast<double>(c.maxHealth), true, true,
                                      "(max_health)"})
                .value_or(std::min(c.health, c.maxHealth)));
        c.maxStamina = static_cast<float>(
            fields.Number("max_stamina", {0.0, kMaxStamina, false, true}).value_or(c.maxStamina));
        c.stamina = static_cast<float>(
            fields.Number("stamina", {0.0, c.maxStamina, true, true, "(max_stamina)"})
                .value_or(std::min(c.stamina, c.maxStamina)));
        c.maxDeadEye = static_cast<float>(
            fields.Number("max_dead_eye", {0.0, kMaxStamina, false, true}).value_or(c.maxDeadEye));
        c.deadEye = static_cast<float>(
            fields.Number("dead_eye", {0.0, c.maxDeadEye, true, true, "(max_dead_eye)"})
                .value_or(std::min(c.deadEye, c.maxDeadEye)));
        scenario.deathAt = fields.Number("death_at", {0.0, kMaxDuration, true, true, "s"});
    }

    void ReadHorse(const TableFields& top, Scenario& scenario) {
        const toml::table* table = top.Table("horse");
        if (table == nullptr) return;
        const TableFields fields(*table, "[horse]", file_,
                                 {"start", "health", "max_health", "stamina", "max_stamina"});
        HorseStart& h = scenario.horse;
        h.start = fields.Position("start").value_or(h.start);
        h.maxHealth = static_cast<std::int32_t>(
            fields.Integer("max_health", {1.0, kMaxHealth}).value_or(h.maxHealth));
        h.health = static_cast<std::int32_t>(
            fields.Integer("health", {1.0, static_cast<double>(h.maxHealth), true, true,
                                      "(max_health)"})
                .value_or(std::min(h.health, h.maxHealth)));
        h.maxStamina = static_cast<float>(
            fields.Number("max_stamina", {0.0, kMaxStamina, false, true}).value_or(h.maxStamina));
        h.stamina = static_cast<float>(
            fields.Number("stamina", {0.0, h.maxStamina, true, true, "(max_stamina)"})
                .value_or(std::min(h.stamina, h.maxStamina)));
    }

    void ReadRoute(const TableFields& top, Scenario& scenario) {
        bool mounted = false;
        for (const toml::table* table : top.TableArray("route")) {
            const TableFields fields(*table, "[[route]]", file_,
                                     {"to", "speed", "pause", "mount", "dismount"});
            RouteStep step;
            const bool hasTo = fields.Has("to");
            const int actions = (hasTo ? 1 : 0) + (fields.Has("mount") ? 1 : 0) +
                                (fields.Has("dismount") ? 1 : 0);
            if (actions > 1) {
                fields.FailTable("a [[route]] step does one thing: 'to' (with 'speed'), 'pause', "
                                 "'mount' or 'dismount'");
            }
            step.pause = fields.Number("pause", {0.0, kMaxDuration, true, true, "s"}).value_or(0.0);
            if (hasTo) {
                step.kind = RouteStep::Kind::Move;
                step.to = *fields.Position("to");
                fields.Require("speed");
                step.speed = static_cast<float>(
                    *fields.Number("speed", {0.0, kMaxSpeed, false, true, "m/s"}));
            } else if (fields.Has("speed")) {
                fields.Fail("speed", "'speed' belongs to a step with 'to'");
            } else if (fields.Has("mount")) {
                if (!*fields.Boolean("mount")) fields.Fail("mount", "'mount' can only be true");
                if (mounted) fields.Fail("mount", "the character is already mounted here");
                if (fields.Has("pause")) fields.Fail("pause", "put 'pause' in a step of its own");
                step.kind = RouteStep::Kind::Mount;
                mounted = true;
            } else if (fields.Has("dismount")) {
                if (!*fields.Boolean("dismount")) {
                    fields.Fail("dismount", "'dismount' can only be true");
                }
                if (!mounted) fields.Fail("dismount", "the character is not mounted here");
                if (fields.Has("pause")) fields.Fail("pause", "put 'pause' in a step of its own");
                step.kind = RouteStep::Kind::Dismount;
                mounted = false;
            } else if (fields.Has("pause")) {
                step.kind = RouteStep::Kind::Pause;
            } else {
                fields.FailTable("a [[route]] step needs 'to' (with 'speed'), 'pause', 'mount' or "
                                 "'dismount'");
            }
            scenario.route.push_back(step);
        }
    }

    std::uint32_t ReadModel(const TableFields& fields) {
        const toml::node& node = fields.Require("model");
        if (const auto name = node.value_exact<std::string>()) {
            const auto model = ModelByName(*name);
            if (!model) FailUnknownPlant(file_, node, *name, false);
            return *model;
        }
        if (const auto id = node.value_exact<std::int64_t>()) {
            if (*id < 0 || *id > 0xFFFFFFFFll) {
                FailAt(file_, node.source(),
                       "'model' identifiers are 32-bit: 0 to 0xFFFFFFFF, not " + std::to_string(*id));
            }
            return static_cast<std::uint32_t>(*id);
        }
        FailAt(file_, node.source(),
               "'model' must be a plant name or a model identifier, not " +
                   std::string(TypeName(node)));
    }

    void ReadPlant(const toml::table& table, Scenario& scenario) {
        const TableFields fields(table, "[[plant]]", file_, {"model", "at", "vetoed"});
        PlacedPlant plant;
        plant.model = ReadModel(fields);
        fields.Require("at");
        plant.at = *fields.Position("at");
        plant.vetoed = fields.Boolean("vetoed").value_or(false);
        scenario.plants.push_back(plant);
    }

    std::vector<std::uint32_t> ReadPatchModels(const TableFields& fields) {
        const toml::node& node = fields.Require("plants");
        std::vector<std::uint32_t> models;
        auto add = [&](const toml::node& element) {
            const auto name = element.value_exact<std::string>();
            if (!name) {
                FailAt(file_, element.source(),
                       "'plants' must be a plant or group name, or a list of them, not " +
                           std::string(TypeName(element)));
            }
            const auto found = ModelsByGroupOrName(*name);
            if (!found) FailUnknownPlant(file_, element, *name, true);
            models.insert(models.end(), found->begin(), found->end());
        };
        if (const toml::array* array = node.as_array()) {
            if (array->empty()) fields.Fail("plants", "'plants' must not be empty");
            for (const toml::node& element : *array) add(element);
        } else {
            add(node);
        }
        return models;
    }

    void ReadPatch(const toml::table& table, Scenario& scenario) {
        const TableFields fields(table, "[[patch]]", file_,
                                 {"count", "plants", "min", "max", "centre", "radius", "vetoed"});
        Patch patch;
        fields.Require("count");
        patch.count = static_cast<int>(
            *fields.Integer("count", {1.0, static_cast<double>(kMaxPatchPlants)}));
        patch.models = ReadPatchModels(fields);
        patch.vetoed = fields.Boolean("vetoed").value_or(false);
        const bool rectangle = fields.Has("min") || fields.Has("max");
        const bool circle = fields.Has("centre") || fields.Has("radius");
        if (rectangle == circle) {
            fields.FailTable("a [[patch]] needs an area: either 'min' and 'max' corners, or "
                             "'centre' and 'radius'");
        }
        if (rectangle) {
            fields.Require("min");
            fields.Require("max");
            patch.area.min = *fields.Position("min");
            patch.area.max = *fields.Position("max");
            if (patch.area.min.x > patch.area.max.x || patch.area.min.y > patch.area.max.y) {
                fields.Fail("max", "'max' must not lie below or left of 'min'");
            }
        } else {
            fields.Require("centre");
            fields.Require("radius");
            patch.area.circle = true;
            patch.area.centre = *fields.Position("centre");
            patch.area.radius = *fields.Number("radius", {0.0, 1.0e5, false, true, "m"});
        }
        scenario.patches.push_back(std::move(patch));
    }

    Interval ReadInterval(const TableFields& fields) {
        fields.Require("from");
        fields.Require("to");
        Interval interval;
        interval.from = *fields.Number("from", {0.0, kMaxDuration, true, true, "s"});
        interval.to = *fields.Number("to", {0.0, kMaxDuration, true, true, "s"});
        if (interval.to <= interval.from) fields.Fail("to", "'to' must come after 'from'");
        return interval;
    }

    void ReadMission(const toml::table& table, Scenario& scenario) {
        const TableFields fields(table, "[[mission]]", file_, {"from", "to", "query"});
        MissionInterval mission;
        mission.when = ReadInterval(fields);
        const std::string query = fields.String("query").value_or("A");
        if (query == "A") {
            mission = {mission.when, true, false};
        } else if (query == "B") {
            mission = {mission.when, false, true};
        } else if (query == "both") {
            mission = {mission.when, true, true};
        } else {
            fields.Fail("query", "'query' must be \"A\", \"B\" or \"both\", not " + Quoted(query));
        }
        scenario.missions.push_back(mission);
    }

    void ReadReactions(const TableFields& top, Scenario& scenario) {
        const toml::table* table = top.Table("reactions");
        if (table == nullptr) return;
        const TableFields fields(*table, "[reactions]", file_,
                                 {"trip_stun", "stamina_regen", "dead_eye_regen",
                                  "horse_stamina_regen"});
        Reactions& r = scenario.reactions;
        const Range seconds{0.0, 60.0, true, true, "s"};
        const Range perSecond{0.0, 1.0e4, true, true, "per second"};
        r.tripStun = fields.Number("trip_stun", seconds).value_or(r.tripStun);
        r.staminaRegen = fields.Number("stamina_regen", perSecond).value_or(r.staminaRegen);
        r.deadEyeRegen = fields.Number("dead_eye_regen", perSecond).value_or(r.deadEyeRegen);
        r.horseStaminaRegen =
            fields.Number("horse_stamina_regen", perSecond).value_or(r.horseStaminaRegen);
    }

    const toml::table& root_;
    std::string file_;
    std::filesystem::path path_;
};

}  // namespace

Scenario ParseScenario(std::string_view text, const std::filesystem::path& file) {
    const std::string name = file.string();
    CheckNonAsciiPlacement(text, name);
    toml::table root;
    try {
        root = toml::parse(text, name);
    } catch (const toml::parse_error& error) {
        const auto& where = error.source();
        throw ScenarioError(name, where.begin.line == 0 ? 1 : static_cast<int>(where.begin.line),
                            where.begin.column == 0 ? 1 : static_cast<int>(where.begin.column),
                            std::string(error.description()));
    }
    return Parser(root, name, file).Parse();
}

Scenario LoadScenario(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ScenarioError(file.string(), 1, 1, "cannot read the scenario file");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseScenario(text.str(), file);
}

}  // namespace thornbrake::scenario

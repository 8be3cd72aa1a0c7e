#include "sim/scenario/scenario_director.h"

#include <algorithm>
#include <cmath>

#include "sim/scenario/scatter.h"

namespace thornbrake::scenario {
namespace {

sim::Vec3 ToVec(const Point& p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
}

double Distance(const Point& a, const Point& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double dz = b.z - a.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

Point Along(const Point& from, const Point& to, double fraction) {
    return {from.x + (to.x - from.x) * fraction, from.y + (to.y - from.y) * fraction,
            from.z + (to.z - from.z) * fraction};
}

bool AnyContains(const std::vector<Interval>& intervals, double t) {
    return std::any_of(intervals.begin(), intervals.end(),
                       [t](const Interval& interval) { return interval.Contains(t); });
}

// Regeneration only ever raises a value, and leaves it untouched at rate 0,
// so a scenario without regeneration keeps the plugin's amounts exact.
void Regenerate(float& value, float maximum, double rate, double dt) {
    if (rate <= 0.0 || value >= maximum) return;
    value = static_cast<float>(std::min<double>(maximum, value + rate * dt));
}

}  // namespace

ScenarioDirector::ScenarioDirector(const Scenario& scenario, std::uint64_t seed)
    : scenario_(scenario), plants_(AllPlants(scenario, seed)), position_(scenario.character.start) {
    Point at = scenario.character.start;
    legs_.reserve(scenario.route.size());
    for (const RouteStep& step : scenario.route) {
        Leg leg;
        if (step.kind == RouteStep::Kind::Move) {
            leg = {at, step.to, Distance(at, step.to)};
            at = step.to;
        }
        legs_.push_back(leg);
    }
    events_.reserve(64);
}

void ScenarioDirector::SetUp(sim::WorldState& world) const {
    sim::CharacterState& c = world.character;
    const CharacterStart& start = scenario_.character;
    c.position = ToVec(start.start);
    c.speed = 0.0f;
    c.maxHealth = start.maxHealth;
    c.health = start.health;
    c.maxStamina = start.maxStamina;
    c.stamina = start.stamina;
    c.maxDeadEye = start.maxDeadEye;
    c.deadEye = start.deadEye;
    c.onMount = false;

    sim::HorseState& h = world.horse;
    const HorseStart& horse = scenario_.horse;
    h.position = ToVec(horse.start);
    h.speed = 0.0f;
    h.maxHealth = horse.maxHealth;
    h.health = horse.health;
    h.maxStamina = horse.maxStamina;
    h.stamina = horse.stamina;

    world.missionA = false;
    world.missionB = false;
    world.playerControlOn = true;
    world.playerDead = false;
    world.plants.clear();
    world.plants.reserve(plants_.size());
    for (const PlacedPlant& plant : plants_) world.AddPlant({plant.model, ToVec(plant.at), plant.vetoed});
    world.PlantsChanged();
}

void ScenarioDirector::Advance(sim::WorldState& world, std::int64_t nowUs) {
    const double dt = static_cast<double>(std::max<std::int64_t>(0, nowUs - lastUs_)) / 1.0e6;
    lastUs_ = std::max(lastUs_, nowUs);
    ApplyScript(world, static_cast<double>(nowUs) / 1.0e6, nowUs);
    ApplyReactions(world, dt, nowUs);
    Walk(world, dt, nowUs);

    world.character.position = ToVec(position_);
    world.character.speed = speed_;
    world.character.onMount = mounted_;
    if (mounted_) {
        world.horse.position = ToVec(position_);
        world.horse.speed = speed_;
    } else {
        world.horse.speed = 0.0f;
    }
}

void ScenarioDirector::ApplyScript(sim::WorldState& world, double t, std::int64_t nowUs) {
    bool queryA = false;
    bool queryB = false;
    for (const MissionInterval& mission : scenario_.missions) {
        if (!mission.when.Contains(t)) continue;
        queryA = queryA || mission.queryA;
        queryB = queryB || mission.queryB;
    }
    world.missionA = queryA;
    world.missionB = queryB;
    if ((queryA || queryB) != inMission_) {
        inMission_ = queryA || queryB;
        Record(nowUs, inMission_ ? WorldEvent::Kind::MissionStarted : WorldEvent::Kind::MissionEnded);
    }

    const bool off = AnyContains(scenario_.controlOff, t);
    world.playerControlOn = !off;
    if (off != controlOff_) {
        controlOff_ = off;
        Record(nowUs, off ? WorldEvent::Kind::ControlOff : WorldEvent::Kind::ControlOn);
    }

    if (scenario_.deathAt && t >= *scenario_.deathAt && !dead_) {
        world.character.health = 0;
        world.playerDead = true;
    }
}

void ScenarioDirector::ApplyReactions(sim::WorldState& world, double dt, std::int64_t nowUs) {
    if (!dead_ && (world.playerDead || world.character.health <= 0)) {
        dead_ = true;
        world.playerDead = true;
        Record(nowUs, WorldEvent::Kind::Died);
    }
    if (!horseDead_ && world.horse.health <= 0) {
        horseDead_ = true;
        if (mounted_) {
            mounted_ = false;
            Record(nowUs, WorldEvent::Kind::HorseDied);
        }
    }
    if (world.character.trips != tripsSeen_) {
        tripsSeen_ = world.character.trips;
        const std::int64_t trippedAt =
            world.character.trippedAtUs >= 0 ? world.character.trippedAtUs : nowUs;
        stunnedUntilUs_ =
            trippedAt + static_cast<std::int64_t>(scenario_.reactions.tripStun * 1.0e6 + 0.5);
    }
    if (stunnedUntilUs_ >= 0 && nowUs >= stunnedUntilUs_) {
        stunnedUntilUs_ = -1;
        Record(nowUs, WorldEvent::Kind::TripStunEnded);
    }
    if (dead_) return;
    const Reactions& r = scenario_.reactions;
    Regenerate(world.character.stamina, world.character.maxStamina, r.staminaRegen, dt);
    Regenerate(world.character.deadEye, world.character.maxDeadEye, r.deadEyeRegen, dt);
    if (!horseDead_) {
        Regenerate(world.horse.stamina, world.horse.maxStamina, r.horseStaminaRegen, dt);
    }
}

void ScenarioDirector::FinishStep() {
    ++step_;
    stepStarted_ = false;
}

void ScenarioDirector::Walk(sim::WorldState& /*world*/, double dt, std::int64_t nowUs) {
    if (dead_ || stunnedUntilUs_ >= 0) {
        speed_ = 0.0f;
        return;
    }
    const std::vector<RouteStep>& route = scenario_.route;
    double remaining = dt;
    while (step_ < route.size()) {
        const RouteStep& step = route[step_];
        if (step.kind == RouteStep::Kind::Mount) {
            if (!horseDead_ && !mounted_) {
                mounted_ = true;
                Record(nowUs, WorldEvent::Kind::Mounted);
            }
            FinishStep();
            continue;
        }
        if (step.kind == RouteStep::Kind::Dismount) {
            if (mounted_) {
                mounted_ = false;
                Record(nowUs, WorldEvent::Kind::Dismounted);
            }
            FinishStep();
            continue;
        }
        if (!stepStarted_) {
            stepStarted_ = true;
            arrived_ = step.kind != RouteStep::Kind::Move;
            progress_ = 0.0;
            pauseLeft_ = step.pause;
        }
        if (!arrived_) {
            const Leg& leg = legs_[step_];
            const double need = (leg.length - progress_) / static_cast<double>(step.speed);
            speed_ = step.speed;
            if (remaining < need) {
                progress_ += static_cast<double>(step.speed) * remaining;
                position_ = Along(leg.from, leg.to, leg.length > 0.0 ? progress_ / leg.length : 1.0);
                return;
            }
            remaining -= need;
            progress_ = leg.length;
            position_ = leg.to;
            arrived_ = true;
        }
        if (remaining <= 0.0) return;
        if (remaining < pauseLeft_) {
            pauseLeft_ -= remaining;
            speed_ = 0.0f;
            return;
        }
        remaining -= pauseLeft_;
        if (pauseLeft_ > 0.0) speed_ = 0.0f;
        pauseLeft_ = 0.0;
        FinishStep();
    }
    speed_ = 0.0f;
    if (!routeDone_ && !route.empty()) {
        routeDone_ = true;
        Record(nowUs, WorldEvent::Kind::RouteFinished);
    }
}

}  // namespace thornbrake::scenario

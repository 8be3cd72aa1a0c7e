#include "event_collector.h"

#include <bit>
#include <limits>

#include "hazards/cholla.h"
#include "hazards/model_catalogue.h"
#include "sim/scenario/plant_names.h"

namespace thornbrake::cli {
namespace {

using sim::CallKind;
using sim::CallRecord;
using sim::OpCode;

std::int32_t Int(const CallRecord& r, std::size_t i) { return static_cast<std::int32_t>(r.args[i]); }
float Float(const CallRecord& r, std::size_t i) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(r.args[i]));
}
bool ResultTrue(const CallRecord& r) { return static_cast<std::uint32_t>(r.result[0]) != 0; }
std::int32_t ResultInt(const CallRecord& r) { return static_cast<std::int32_t>(r.result[0]); }
float ResultFloat(const CallRecord& r) { return std::bit_cast<float>(static_cast<std::uint32_t>(r.result[0])); }

// The mount probes (cactus and cholla) are the only ones of radius 0.7; the
// veto query shares the radius but is another operation.
constexpr float kMountRadius = 0.7f;

// Speed bands of the bush trip, as the plugin compares them.
constexpr float kUpperBandMin = 5.27f;
constexpr float kUpperBandMax = 8.33f;

std::int32_t TripThreshold(std::uint32_t model, float speed, std::int32_t tripChance) {
    const scenario::PlantInfo info = scenario::InfoOfModel(model);
    for (const BushGroup& group : kBushGroups) {
        if (group.name != info.bushGroup) continue;
        if (speed >= kUpperBandMin && speed <= kUpperBandMax) return UpperBandThreshold(group, tripChance);
        return LowerBandThreshold(tripChance);
    }
    return 0;
}

}  // namespace

EventCollector::EventCollector(const sim::WorldState& world, const Settings& settings)
    : world_(world), settings_(settings) {
    events_.reserve(256);
    rolls_.reserve(10);
    last_ = Read();
}

EventCollector::Values EventCollector::Read() const {
    return {world_.character.health, world_.character.stamina, world_.character.deadEye,
            world_.horse.health, world_.horse.stamina};
}

void EventCollector::Resync() { last_ = Read(); }

void EventCollector::TakeDeltas() {
    const Values now = Read();
    if (pending_.open) {
        pending_.health += static_cast<std::int64_t>(now.health) - last_.health;
        pending_.stamina += static_cast<double>(now.stamina) - last_.stamina;
        pending_.deadEye += static_cast<double>(now.deadEye) - last_.deadEye;
        pending_.horseHealth += static_cast<std::int64_t>(now.horseHealth) - last_.horseHealth;
        pending_.horseStamina += static_cast<double>(now.horseStamina) - last_.horseStamina;
        pending_.after = now;
    }
    last_ = now;
}

void EventCollector::Open(std::int64_t tMs, bool byWait) {
    if (pending_.open) return;
    pending_ = Pending{};
    pending_.open = true;
    pending_.after = Read();
    pending_.byWait = byWait;
    pending_.startMs = tMs;
    pending_.endMs = tMs;
}

void EventCollector::Write(const CallRecord& record) {
    ++seq_;
    if (record.kind == CallKind::Wait) {
        const auto ms = static_cast<std::int64_t>(static_cast<std::uint32_t>(record.args[0]));
        if (ms == 0) {
            Close();
            ++passes_;
            return;
        }
        // The only wait that comes before any effect is the bush evaluation's.
        if (!pending_.open) Open(record.tMs, true);
        pending_.heldMs += ms;
        if (pending_.trip) pending_.coolDownMs += ms;
        pending_.endMs = record.tMs + ms;
        return;
    }
    if (record.kind != CallKind::Operation || record.op == nullptr) return;

    const std::int32_t character = world_.character.handle;
    switch (record.op->code) {
        // The snapshot.
        case OpCode::GetEntitySpeed:
            (Int(record, 0) == character ? characterSpeed_ : mountSpeed_) = ResultFloat(record);
            return;
        case OpCode::GetEntityHealth:
            if (Int(record, 0) == character) snapshotHealth_ = ResultInt(record);
            return;
        case OpCode::RandomIntInRange: {
            const std::int32_t value = ResultInt(record);
            if (Int(record, 0) == 1 && Int(record, 1) == 100) {
                tripRoll_ = value;
            } else if (rolls_.size() < 10) {
                rolls_.push_back(value);
            }
            return;
        }
        case OpCode::GetPlayerCharacter:
        case OpCode::GetPlayerIndex:
        case OpCode::GetMount:
        case OpCode::GetEntityPosition:
        case OpCode::GetCharacterStamina:
            return;

        // Questions: the reaction before them is over.
        case OpCode::IsModelNear:
            Close();
            if (ResultTrue(record)) {
                Probe probe{static_cast<std::uint32_t>(record.args[4]), Float(record, 0), Float(record, 1),
                            Float(record, 2), seq_};
                (Float(record, 3) == kMountRadius ? mountProbe_ : footProbe_) = probe;
            }
            return;
        case OpCode::IsPlayerDead:
            Close();
            lingerSeq_ = seq_;
            return;
        case OpCode::ModelVetoQuery:
        case OpCode::IsCharacterOnMount:
        case OpCode::MissionQueryA:
        case OpCode::MissionQueryB:
        case OpCode::IsPlayerControlOn:
            Close();
            return;

        // Effects.
        case OpCode::ClearMood:
            // The closing step of a mounted reaction that did nothing else.
            if (pending_.open) pending_.endMs = record.tMs;
            return;
        case OpCode::PlayPain:
            Open(record.tMs, false);
            ++pending_.cries;
            break;
        case OpCode::ApplyDamageToCharacter:
            Open(record.tMs, false);
            if (Int(record, 0) == character) {
                pending_.damageOnCharacter = true;
            } else {
                pending_.damageOnHorse = true;
                pending_.onHorse = true;
            }
            pending_.asked += Int(record, 1);
            break;
        case OpCode::ChangeCharacterStamina:
            Open(record.tMs, false);
            if (Int(record, 0) != character) pending_.onHorse = true;
            break;
        case OpCode::ChangeDeadEye:
            Open(record.tMs, false);
            break;
        case OpCode::SetCoreValue:
            Open(record.tMs, false);
            pending_.core = true;
            break;
        case OpCode::SetMood:
            Open(record.tMs, false);
            pending_.onHorse = true;
            break;
        case OpCode::MountHurtResponse:
            Open(record.tMs, false);
            pending_.onHorse = true;
            pending_.hurtFlag = Int(record, 1);
            break;
        case OpCode::MountFinalResponse:
            Open(record.tMs, false);
            pending_.onHorse = true;
            pending_.final = true;
            break;
        case OpCode::TripCharacter:
            Open(record.tMs, false);
            pending_.trip = true;
            break;
    }
    pending_.endMs = std::max(pending_.endMs, record.tMs);
    TakeDeltas();
}

void EventCollector::Locate(TimelineEvent& event, const Probe& probe) const {
    event.model = probe.model;
    double best = std::numeric_limits<double>::max();
    for (const sim::Plant& plant : world_.plants) {
        if (plant.model != probe.model) continue;
        const double dx = plant.position.x - probe.x;
        const double dy = plant.position.y - probe.y;
        const double dz = plant.position.z - probe.z;
        const double d = dx * dx + dy * dy + dz * dz;
        if (d < best) {
            best = d;
            event.hasPlant = true;
            event.plantX = plant.position.x;
            event.plantY = plant.position.y;
        }
    }
}

void EventCollector::Close() {
    if (!pending_.open) return;
    const Pending p = pending_;
    pending_.open = false;

    TimelineEvent e;
    e.startMs = p.startMs;
    e.endMs = p.endMs;
    e.cries = p.cries;
    e.health = p.health;
    e.stamina = p.stamina;
    e.deadEye = p.deadEye;
    e.horseHealth = p.horseHealth;
    e.horseStamina = p.horseStamina;
    e.damageAsked = p.asked;
    e.heldMs = p.heldMs;
    e.coolDownMs = p.coolDownMs;
    e.healthAfter = p.after.health;
    e.staminaAfter = p.after.stamina;
    e.deadEyeAfter = p.after.deadEye;
    e.horseHealthAfter = p.after.horseHealth;
    e.horseStaminaAfter = p.after.horseStamina;

    const bool lingering = !p.onHorse && lingerSeq_ > footProbe_.seq;
    if (p.byWait || p.trip) {
        e.kind = p.trip ? EventKind::Trip : EventKind::TripRollFailed;
        e.speed = characterSpeed_;
        Locate(e, footProbe_);
        e.tripRoll = tripRoll_;
        e.tripThreshold = TripThreshold(footProbe_.model, characterSpeed_, settings_.TripChance);
    } else if (lingering) {
        e.kind = p.core ? EventKind::ChollaTick : EventKind::ChollaTickCry;
        e.speed = characterSpeed_;
        e.tickCount = gChollaState.TickCount;
        e.tickLimit = settings_.CactusChollaEffectDuration;
    } else if (p.onHorse) {
        e.speed = mountSpeed_;
        Locate(e, mountProbe_);
        if (scenario::InfoOfModel(mountProbe_.model).kind == scenario::PlantKind::Cholla) {
            e.kind = EventKind::HorseChollaHit;
        } else if (!p.damageOnHorse) {
            e.kind = EventKind::HorseAgitated;
        } else if (p.hurtFlag == 0) {
            e.kind = EventKind::HorseCactusSoftHit;
        } else {
            e.kind = EventKind::HorseCactusHit;
        }
    } else {
        e.speed = characterSpeed_;
        Locate(e, footProbe_);
        if (scenario::InfoOfModel(footProbe_.model).kind == scenario::PlantKind::Cholla) {
            const bool weak = !settings_.CactusLethal && snapshotHealth_ <= 136;
            e.kind = weak ? EventKind::ChollaWeakHit : EventKind::ChollaHit;
            e.armed = !weak && settings_.CactusChollaEffect;
            e.tickLimit = settings_.CactusChollaEffectDuration;
        } else if (p.heldMs > 0) {
            e.kind = EventKind::CactusHit;
        } else if (p.damageOnCharacter) {
            e.kind = EventKind::CactusSoftHit;
        } else {
            e.kind = EventKind::CactusMissionCry;
        }
    }
    events_.push_back(e);
}

void EventCollector::Finish() { Close(); }

}  // namespace thornbrake::cli

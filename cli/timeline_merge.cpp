#include "timeline_merge.h"

#include <algorithm>

namespace thornbrake::cli {
namespace {

bool SamePlant(const TimelineEvent& a, const TimelineEvent& b) {
    return a.hasPlant == b.hasPlant && a.model == b.model && a.plantX == b.plantX && a.plantY == b.plantY;
}

// Cactus reactions depend on the speed band: standing in a cactus after
// walking into it starts a new line.
bool BandMatters(EventKind kind) {
    return kind == EventKind::CactusHit || kind == EventKind::CactusSoftHit ||
           kind == EventKind::HorseCactusHit || kind == EventKind::HorseCactusSoftHit;
}

bool IsTick(EventKind kind) { return kind == EventKind::ChollaTick || kind == EventKind::ChollaTickCry; }

bool Joins(const TimelineEvent& line, const TimelineEvent& next) {
    // A new contact restarts the count: ticks join only in unbroken order.
    if (IsTick(next.kind) && next.tickCount != line.tickCount + 1) return false;
    return line.kind == next.kind && next.kind != EventKind::Trip && SamePlant(line, next) &&
           (!BandMatters(next.kind) || line.speed == next.speed) &&
           next.startMs - line.endMs <= kMergeGapMs;
}

void Fold(TimelineEvent& line, const TimelineEvent& next) {
    line.repeats += next.repeats;
    line.endMs = next.endMs;
    line.cries += next.cries;
    line.health += next.health;
    line.stamina += next.stamina;
    line.deadEye += next.deadEye;
    line.horseHealth += next.horseHealth;
    line.horseStamina += next.horseStamina;
    line.damageAsked += next.damageAsked;
    line.heldMs += next.heldMs;
    line.coolDownMs += next.coolDownMs;
    line.healthAfter = next.healthAfter;
    line.staminaAfter = next.staminaAfter;
    line.deadEyeAfter = next.deadEyeAfter;
    line.horseHealthAfter = next.horseHealthAfter;
    line.horseStaminaAfter = next.horseStaminaAfter;
    line.tickCount = next.tickCount;
    line.armed = line.armed || next.armed;
}

EventKind KindOf(scenario::WorldEvent::Kind kind) {
    using K = scenario::WorldEvent::Kind;
    switch (kind) {
        case K::Mounted: return EventKind::Mounted;
        case K::Dismounted: return EventKind::Dismounted;
        case K::MissionStarted: return EventKind::MissionStarted;
        case K::MissionEnded: return EventKind::MissionEnded;
        case K::ControlOff: return EventKind::ControlOff;
        case K::ControlOn: return EventKind::ControlOn;
        case K::Died: return EventKind::Died;
        case K::HorseDied: return EventKind::HorseDied;
        case K::TripStunEnded: return EventKind::BackOnFeet;
        case K::RouteFinished: return EventKind::RouteFinished;
    }
    return EventKind::RouteFinished;
}

}  // namespace

std::vector<TimelineEvent> BuildTimeline(const std::vector<TimelineEvent>& reactions,
                                         const std::vector<scenario::WorldEvent>& worldEvents) {
    std::vector<TimelineEvent> lines;
    lines.reserve(reactions.size() + worldEvents.size());
    // Folding looks back over a few recent lines, so a lingering tick between
    // two contacts does not break a run of contacts.
    constexpr std::size_t kLookBack = 8;
    for (const TimelineEvent& event : reactions) {
        TimelineEvent* target = nullptr;
        std::size_t looked = 0;
        for (auto it = lines.rbegin(); it != lines.rend() && looked < kLookBack; ++it, ++looked) {
            if (Joins(*it, event)) {
                target = &*it;
                break;
            }
            if (it->kind == event.kind) break;  // the same kind that cannot join: a new line
        }
        if (target != nullptr) {
            Fold(*target, event);
        } else {
            lines.push_back(event);
        }
    }
    for (const scenario::WorldEvent& world : worldEvents) {
        TimelineEvent line;
        line.kind = KindOf(world.kind);
        line.startMs = world.timeUs / 1000;
        line.endMs = line.startMs;
        lines.push_back(line);
    }
    std::stable_sort(lines.begin(), lines.end(), [](const TimelineEvent& a, const TimelineEvent& b) {
        return a.startMs < b.startMs;
    });
    return lines;
}

}  // namespace thornbrake::cli

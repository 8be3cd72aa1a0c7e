#include "sim/world.h"

#include <algorithm>
#include <bit>

namespace thornbrake::sim {
namespace {

std::uint64_t IntSlot(std::int32_t value) { return static_cast<std::uint32_t>(value); }
std::uint64_t FloatSlot(float value) { return std::bit_cast<std::uint32_t>(value); }

std::int32_t ClampHealth(std::int64_t value, std::int32_t maxHealth) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, std::min<std::int64_t>(value, maxHealth)));
}

// [0, upper]; a NaN result (a NaN change) counts as empty.
float ClampGauge(float value, float upper) {
    if (!(value > 0.0f)) return 0.0f;
    return value > upper ? std::max(upper, 0.0f) : value;
}

}  // namespace

CharacterState* World::Character(std::int32_t handle) {
    return handle == state_.character.handle ? &state_.character : nullptr;
}

HorseState* World::Horse(std::int32_t handle) {
    // The character wins if a scenario ever gives both the same handle.
    if (handle == state_.character.handle) return nullptr;
    return handle == state_.horse.handle ? &state_.horse : nullptr;
}

Vec3 World::PositionOf(std::int32_t handle) {
    if (const CharacterState* c = Character(handle)) return c->position;
    if (const HorseState* h = Horse(handle)) return h->position;
    return {};
}

float World::SpeedOf(std::int32_t handle) {
    if (const CharacterState* c = Character(handle)) return c->speed;
    if (const HorseState* h = Horse(handle)) return h->speed;
    return 0.0f;
}

std::int32_t World::HealthOf(std::int32_t handle) {
    if (const CharacterState* c = Character(handle)) return c->health;
    if (const HorseState* h = Horse(handle)) return h->health;
    return 0;
}

float World::StaminaOf(std::int32_t handle) {
    if (const CharacterState* c = Character(handle)) return c->stamina;
    if (const HorseState* h = Horse(handle)) return h->stamina;
    return 0.0f;
}

std::int32_t World::RandomIntInRange(std::int32_t low, std::int32_t high) {
    if (!state_.forcedRandom.empty()) {
        const std::int32_t value = state_.forcedRandom.front();
        state_.forcedRandom.pop_front();
        return value;
    }
    return random_.InRange(low, high);
}

void World::ApplyDamage(std::int32_t target, std::int32_t amount) {
    if (CharacterState* c = Character(target)) {
        c->health = ClampHealth(static_cast<std::int64_t>(c->health) - amount, c->maxHealth);
        if (c->health == 0) state_.playerDead = true;
    } else if (HorseState* h = Horse(target)) {
        h->health = ClampHealth(static_cast<std::int64_t>(h->health) - amount, h->maxHealth);
    }
}

void World::ChangeStamina(std::int32_t entity, float change) {
    if (CharacterState* c = Character(entity)) {
        c->stamina = ClampGauge(c->stamina + change, c->maxStamina);
    } else if (HorseState* h = Horse(entity)) {
        h->stamina = ClampGauge(h->stamina + change, h->maxStamina);
    }
}

void World::ChangeDeadEye(std::int32_t index, float change) {
    if (!IsPlayer(index)) return;
    CharacterState& c = state_.character;
    c.deadEye = ClampGauge(c.deadEye + change, c.maxDeadEye);
}

void World::SetCoreValue(std::int32_t character, std::int32_t core, std::int32_t value) {
    CharacterState* c = Character(character);
    if (c == nullptr || core < 0 || core >= static_cast<std::int32_t>(std::size(c->cores))) return;
    c->cores[core] = value;
}

void World::PlayPain(std::int32_t character, std::int32_t painId) {
    if (CharacterState* c = Character(character)) {
        ++c->painCries;
        c->lastPainId = painId;
    }
}

void World::SetMood(std::int32_t entity, const char* mood) {
    if (HorseState* h = Horse(entity)) h->mood = mood;
}

void World::ClearMood(std::int32_t entity) {
    if (HorseState* h = Horse(entity)) h->mood.clear();
}

void World::MountHurtResponse(std::int32_t horse, std::int32_t flag) {
    if (HorseState* h = Horse(horse)) {
        ++h->hurtResponses;
        h->lastHurtFlag = flag;
    }
}

void World::MountFinalResponse(std::int32_t horse) {
    if (HorseState* h = Horse(horse)) ++h->finalResponses;
}

void World::TripCharacter(std::int32_t character) {
    if (CharacterState* c = Character(character)) {
        ++c->trips;
        c->trippedAtUs = nowUs_;
    }
}

void World::Perform(const DecodedCall& call, ResultSlots& result) {
    result = {};
    const DecodedCall& a = call;
    switch (call.op->code) {
        case OpCode::GetPlayerCharacter:
            result[0] = IntSlot(state_.character.handle);
            break;
        case OpCode::GetPlayerIndex:
            result[0] = IntSlot(state_.playerIndex);
            break;
        case OpCode::GetMount:
            // The character's horse, ridden or not, whoever asks.
            result[0] = IntSlot(state_.horse.handle);
            break;
        case OpCode::GetEntityPosition: {
            const Vec3 p = PositionOf(a.Int(0));
            result = {FloatSlot(p.x), FloatSlot(p.y), FloatSlot(p.z)};
            break;
        }
        case OpCode::RandomIntInRange:
            result[0] = IntSlot(RandomIntInRange(a.Int(0), a.Int(1)));
            break;
        case OpCode::GetEntitySpeed:
            result[0] = FloatSlot(SpeedOf(a.Int(0)));
            break;
        case OpCode::GetEntityHealth:
            result[0] = IntSlot(HealthOf(a.Int(0)));
            break;
        case OpCode::GetCharacterStamina:
            result[0] = FloatSlot(StaminaOf(a.Int(0)));
            break;
        case OpCode::IsCharacterOnMount:
            result[0] = Character(a.Int(0)) != nullptr && state_.character.onMount;
            break;
        case OpCode::IsModelNear:
        case OpCode::ModelVetoQuery:
            result[0] = plants_.AnyWithin(state_, a.Model(4), a.Float(0), a.Float(1), a.Float(2),
                                          a.Float(3), call.op->code == OpCode::ModelVetoQuery);
            break;
        case OpCode::MissionQueryA:
            result[0] = state_.missionA;
            break;
        case OpCode::MissionQueryB:
            result[0] = state_.missionB;
            break;
        case OpCode::IsPlayerDead:
            result[0] = IsPlayer(a.Int(0)) && (state_.playerDead || state_.character.health == 0);
            break;
        case OpCode::IsPlayerControlOn:
            result[0] = IsPlayer(a.Int(0)) && state_.playerControlOn;
            break;
        case OpCode::ApplyDamageToCharacter:
            ApplyDamage(a.Int(0), a.Int(1));
            break;
        case OpCode::ChangeCharacterStamina:
            ChangeStamina(a.Int(0), a.Float(1));
            break;
        case OpCode::ChangeDeadEye:
            ChangeDeadEye(a.Int(0), a.Float(1));
            break;
        case OpCode::SetCoreValue:
            SetCoreValue(a.Int(0), a.Int(1), a.Int(2));
            break;
        case OpCode::PlayPain:
            PlayPain(a.Int(0), a.Int(1));
            break;
        case OpCode::SetMood:
            SetMood(a.Int(0), a.Text(1));
            break;
        case OpCode::ClearMood:
            ClearMood(a.Int(0));
            break;
        case OpCode::MountHurtResponse:
            MountHurtResponse(a.Int(0), a.Int(1));
            break;
        case OpCode::MountFinalResponse:
            MountFinalResponse(a.Int(0));
            break;
        case OpCode::TripCharacter:
            TripCharacter(a.Int(0));
            break;
    }
}

}  // namespace thornbrake::sim

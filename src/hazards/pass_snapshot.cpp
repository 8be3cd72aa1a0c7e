#include "hazards/pass_snapshot.h"

#include <array>
#include <cstdlib>

namespace thornbrake {

namespace {
constexpr std::array<std::int32_t, 3> kPainIds = {4, 5, 11};
}  // namespace

std::int32_t PainIdFor(int draw) { return kPainIds[static_cast<unsigned>(draw) % 3u]; }

PassSnapshot TakePassSnapshot() {
    PassSnapshot s;
    // The character and the horse are fetched afresh for every row that
    // needs them, exactly as the game is asked; the order is observable.
    s.character = GetPlayerCharacter();
    s.player = GetPlayerIndex();
    s.mount = GetMount(GetPlayerCharacter());
    s.playerPosition = GetEntityPosition(GetPlayerCharacter());
    s.mountPosition = GetEntityPosition(GetMount(GetPlayerCharacter()));
    s.playerSpeed = GetEntitySpeed(s.character);
    s.mountSpeed = GetEntitySpeed(s.mount);
    s.playerStamina = GetCharacterStamina(s.character);
    s.playerHealth = GetEntityHealth(s.character);
    s.mountHealth = GetEntityHealth(GetMount(GetPlayerCharacter()));
    s.tripRoll = RandomIntInRange(1, 100);
    s.painId = PainIdFor(std::rand());
    return s;
}

}  // namespace thornbrake

#include "default_settings_file.h"

namespace thornbrake::cli {

std::string_view DefaultSettingsFile() {
    // Comments start with ';' on a line of their own: the game's reader has
    // no inline comments, so "TripChance=15 ; note" would still read 15 but
    // "TripChance= ; 15" reads nothing.
    return R"(; Thornbrake.ini - settings of the Thornbrake plugin (harmful wild plants).
;
; Put this file next to the game's executable. The plugin reads it once, when
; the game loads the plugin: after editing, restart the game.
; Every value is a whole number. Switches: 1 = on, 0 = off.
; Write comments on lines of their own, starting with ';'.
; A key missing from this file, or written under another section, takes its
; default. Check a file and preview it on a scripted walk with:
;   thornbrake-sim check-settings Thornbrake.ini
;   thornbrake-sim run scenarios/default.toml --settings Thornbrake.ini

[PLAYER_CACTUS_EFFECT]
; Scales the health the character loses to cacti and cholla. At 1, a cactus
; touched at a walk or run costs 30-45 health, at a crawl 20-30, standing 1
; (the amounts are rolled once per game session). 0 turns it off; a negative
; value heals instead.
CactusHealthDamageModifier=1
; Scales the stamina a cactus drains (16-23 at a walk or run at 1).
CactusStaminaDamageModifier=1
; Scales the dead-eye a cactus drains (11-18 at a walk or run at 1).
CactusDeadEyeDamageModifier=1
; 1: touching a cholla starts a lingering effect that hurts again every half
; second or so (cry, 8 health, 300 stamina, cores emptied). 0: no lingering.
CactusChollaEffect=1
; How many lingering cholla ticks follow the last cholla contact.
; 30 is about 15 seconds; 0 or less disables the lingering effect.
CactusChollaEffectDuration=30
; 0: cactus and cholla health damage stops while health is 136 or less
; (the character still cries out and loses stamina and dead-eye).
; 1: they can kill.
CactusLethal=0

[HORSE_CACTUS_EFFECT]
; A horse ridden into a cactus is agitated and hurt instead of its rider.
; Scales the horse's health damage (13-21 at a canter or gallop at 1).
CactusHorseHealthDamageModifier=1
; Scales the horse's stamina drain (18-31 at a canter or gallop at 1).
CactusHorseStaminaDamageModifier=1
; 0: the horse's health damage stops while its health is 65 or less, and a
; cholla never damages its health. 1: cacti can kill the horse.
CactusHorseLethal=0

[BUSH_EFFECT]
; Chance in percent of tripping when running through a thick bush (about 1
; in 7 at 15; less in some kinds of bush). Walking through one while out of
; breath (stamina 10 or less) doubles it. 0 or less: never trip.
TripChance=15
; After a trip, every plant effect pauses for TripCooldown + 1 seconds.
; A negative value means no pause.
TripCooldown=4

[MISC]
; 0: during missions a cactus only draws a cry and a horse is only agitated.
; 1: cacti act during missions as outside them. (Cholla never acts during a
; mission, whatever this says.)
ToggleCactusInMission=0
; 0: bushes are ignored during missions. 1: they can trip you in missions too.
ToggleBushInMission=0
)";
}

}  // namespace thornbrake::cli

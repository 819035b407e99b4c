// The world the scene tests explore: three rooms and nine objects numbered
// to fit the game's rules, each object's sentence naming it.
#pragma once

#include "scene.h"

namespace scene {

// Room 1 (dark; switches LAMBA 1 and DUGME 3 seen in the dark; AYNA 4,
// RADYO 5, KAPI 6, ANAHTAR 2 only when lit), room 2 (MERDIVEN 8, KUTU 7),
// room 3 (PENCERE 9). ANAHTAR and KUTU can be carried; KUTU can be used but
// no rule names it.
void buildRuleWorld(Scene& scene);

// The sentence the room screen shows for an object named `name`.
std::string sentenceOf(const std::string& name);

}  // namespace scene

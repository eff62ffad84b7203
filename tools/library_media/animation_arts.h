#pragma once
// The drawings of the library's animations. The ones that take colours are also placed in
// other colours by the groups.

#include <string>
#include <string_view>

#include "animation_art.h"

namespace plorvane::library {

// Hearts, stars and sparkles.
AnimationArt FloatingHearts();
AnimationArt BeatingHeart(Colour colour);
AnimationArt TwinklingStar(Colour colour);
AnimationArt ShootingStar();
AnimationArt Sparkles();

// Winter.
AnimationArt FallingSnow();
AnimationArt SpinningSnowflake();
AnimationArt SwingingBell();

// Parties.
AnimationArt Balloon(std::string name, Colour colour);
AnimationArt FallingConfetti();
AnimationArt BirthdayCandle();
AnimationArt GiftBox();
AnimationArt FireworkBurst(std::string name, Colour colour);

// The garden.
AnimationArt BloomingFlower(std::string name, Colour petals);
AnimationArt SpinningDaisy();
AnimationArt Butterfly(std::string name, Colour wings, Colour spots);

// A waving ribbon with the text on it.
AnimationArt Banner(std::string name, std::string_view text, Colour ribbon, Colour letters);

}  // namespace plorvane::library

#pragma once
// Writes card executables from the built player image, the way the editor does: a card made on
// the headless platform, the player image in front, the card stream at its offset.

#include <functional>
#include <string>
#include <vector>

#include "card/card.h"

namespace plorvane::e2e {

// The player image the build made.
const std::vector<std::uint8_t>& PlayerImage();

// A new card, changed by `prepare`, saved as a card executable at `path`; false (with the
// card's error in `error`) when anything failed.
bool MakeCard(const std::string& path, const std::function<bool(TZarvickV2&)>& prepare, std::string& error);

}  // namespace plorvane::e2e

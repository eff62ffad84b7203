#pragma once
// The sample card: a drawn picture with a few animations, a short tune and a link, made without a
// display. It is what `scripts/start.sh` plays while the editor is not there yet.

#include "card/card.h"

namespace plorvane::tools {

// Turns the card into the sample card; false with the card's LastError when a step failed.
// Scratch files go to `folder`.
bool MakeSampleCard(TZarvickV2& card, const std::string& folder);

}  // namespace plorvane::tools

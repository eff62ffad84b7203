#pragma once
// The two colours the user picks for a card, the frame's and the link's (which the player's menu
// label shares): choosing one in the colour dialog, the automatic colour that suits the picture,
// and setting one as an undoable change.

#include "editor/form_services.h"
#include "graphics/colour.h"

namespace plorvane {

class TZarvickV2;

enum class CardColour { kFrame, kLink };

[[nodiscard]] Colour CurrentColour(const TZarvickV2& card, CardColour which);
// Stores the colour without an undo snapshot; the card raises its redraw flag.
void StoreColour(TZarvickV2& card, CardColour which, Colour colour);

// The first corner of the picture (top-left, top-right, bottom-right, bottom-left) bright
// enough to frame it; when all are dark, the last one lightened 40 % toward white.
[[nodiscard]] Colour AutoFrameColor(FormServices& form);
// A colour that stands out against the picture's row ten pixels above its bottom.
[[nodiscard]] Colour AutoLinkColor(FormServices& form);
[[nodiscard]] Colour AutoColour(FormServices& form, CardColour which);
// White for middle brightness, where the complement would be grey on grey; else the complement.
[[nodiscard]] Colour LinkContrastColor(Colour colour);

// The colour dialog, starting at the current colour; a new colour is one undoable change.
void ChooseColour(FormServices& form, CardColour which);
// The automatic colour, taking no undo snapshot: the card's saved state and its one undo step
// stay as they were.
void ApplyAutoColour(FormServices& form, CardColour which);

}  // namespace plorvane

// Image strips: an animation's frames side by side as one bitmap, exchanged with other picture
// programs through the system clipboard.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "support/general.h"
#include "support/messages.h"
#include "support/translate.h"

namespace plorvane {
namespace {

// The frame count the user types; nothing when the question was cancelled.
std::optional<int> AskFrameCount(Dialogs& dialogs) {
  const std::string prompt = Translate("Type number of image strip cells/frames") + " (1-" +
                             std::to_string(TZarvickClipboard::kMaxStripCells) + ")";
  const auto answer = dialogs.InputBox(Translate("Image Strip"), prompt, "1");
  if (!answer) return std::nullopt;
  return TGeneral::ToRoundedInteger(*answer);
}

}  // namespace

bool TZarvickClipboard::CopyAsImageStrip(TZarvickV2& card) {
  last_error_ = msg::kIndexOutOfRange;
  TElementRec element;
  card.Animations().GetSelectedElement(element);
  const TSAN* animation = nullptr;
  if (!card.Animations().GetAnimation(element.pID, animation)) return false;
  last_error_ = msg::kTaskFailed;
  return platform_->clipboard().SetBitmap(animation->Strip());
}

bool TZarvickClipboard::PasteFromClipboard(int frame_count, bool transparent) {
  return WithCard([&](TZarvickV2& card) {
    const ClipboardOperation paste =
        frame_count < 0 ? ClipboardOperation::kPasteFromImageStrip : ClipboardOperation::kPasteFromStillImage;
    last_error_ = Describe(paste).refused;
    return Describe(paste).allowed(*this, card) && PasteFromBitmap(card, frame_count, transparent);
  });
}

bool TZarvickClipboard::PasteFromBitmap(TZarvickV2& card, int frame_count, bool transparent) {
  last_error_ = msg::kTaskFailed;
  const std::optional<Bitmap> bitmap = platform_->clipboard().GetBitmap();
  return bitmap && AddStripTo(card, *bitmap, frame_count, transparent);
}

bool TZarvickClipboard::AddStrip(const Bitmap& bitmap, int frame_count, bool transparent) {
  return WithCard([&](TZarvickV2& card) { return AddStripTo(card, bitmap, frame_count, transparent); });
}

bool TZarvickClipboard::AddStripTo(TZarvickV2& card, const Bitmap& bitmap, int frame_count, bool transparent) {
  last_error_ = msg::kLocked;
  TSAG& group = card.Animations();
  if (!group.Editable()) return false;
  // The question comes before the undo snapshot, so a cancelled paste leaves the card as it was,
  // its undo step included.
  if (frame_count < 0) {
    const std::optional<int> typed = AskFrameCount(platform_->dialogs());
    if (!typed) return true;
    frame_count = *typed;
  }
  const int cells = std::clamp(frame_count, 1, kMaxStripCells);
  last_error_ = msg::kUnknownFormat;
  if (bitmap.empty()) return false;
  // Cut any finer, frames would have no columns of their own and repeat the last one.
  last_error_ = msg::kMoreFramesThanColumns;
  if (cells > bitmap.width()) return false;
  last_error_ = msg::kOutOfMemory;
  card.BeginChange();
  const int frame_width = std::clamp(bitmap.width() / cells, 1, kMaxStripCells);
  int index = -1;
  if (!group.AddFromBitmap(bitmap, frame_width, index)) {
    last_error_ = group.LastError();
    return false;
  }
  TElementRec element;
  group.GetElement(index, element);
  element.pT = transparent;
  element.Shown = true;
  group.SetElement(index, element);
  card.Redraw(true);
  return true;
}

}  // namespace plorvane

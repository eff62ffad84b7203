// The clipboard's frame: the card it works on, the operation table, the shared files, errors.
#include "clipboard/card_clipboard.h"

#include <unistd.h>

#include <array>
#include <new>

#include "card/card.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/translate.h"

namespace plorvane {
namespace {

using C = TZarvickClipboard;
using Zarvick = TZarvickV2;
using Op = ClipboardOperation;

// Each entry sits at the index of its operation, and every operation has one.
template <class Table>
constexpr bool InEnumOrder(const Table& table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (static_cast<std::size_t>(table[i].id) != i) return false;
  }
  return table.size() == static_cast<std::size_t>(Op::kClearLink) + 1;
}

bool HasElement(const Zarvick& card) { return card.Animations().GetCounts().elements > 0; }

}  // namespace

const TZarvickClipboard::Operation& TZarvickClipboard::Describe(ClipboardOperation operation) {
  static constexpr std::array<Operation, 30> kOperations{{
      {Op::kCopyAnimation, [](const C&, const Zarvick& card) { return card.HasSelection(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CopyAnimation(card); }},
      {Op::kCutAnimation, [](const C&, const Zarvick& card) { return card.HasSelection(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CutAnimation(card); }},
      {Op::kPasteAnimation,
       [](const C&, const Zarvick& card) { return card.Animations().Editable() && ObjectFileExists("SAN"); },
       msg::kEmpty, [](C& c, Zarvick& card) { return c.PasteAnimation(card); }},
      {Op::kCopyAllAnimations, [](const C&, const Zarvick& card) { return HasElement(card); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CopyAllAnimations(card); }},
      {Op::kPasteAllAnimations,
       [](const C&, const Zarvick& card) { return card.Animations().Editable() && ObjectFileExists("SAG"); },
       msg::kEmpty, [](C& c, Zarvick& card) { return c.PasteAllAnimations(card); }},
      {Op::kDuplicate, [](const C&, const Zarvick& card) { return card.HasSelection(); }, msg::kIndexOutOfRange,
       [](C& c, Zarvick& card) { return c.Duplicate(card); }},
      {Op::kDelete, [](const C&, const Zarvick& card) { return card.HasSelection(); }, msg::kIndexOutOfRange,
       [](C& c, Zarvick& card) { return c.Delete(card); }},
      {Op::kDeleteAll, [](const C&, const Zarvick& card) { return card.Animations().Editable() && HasElement(card); },
       msg::kIndexOutOfRange, [](C& c, Zarvick& card) { return c.DeleteAll(card); }},
      {Op::kBringToTop, [](const C&, const Zarvick& card) { return card.Animations().CanBringToTop(); },
       msg::kIndexOutOfRange,
       [](C&, Zarvick& card) {
         card.Animations().BringToTop();
         return true;
       }},
      {Op::kSendToBottom, [](const C&, const Zarvick& card) { return card.Animations().CanSendToBottom(); },
       msg::kIndexOutOfRange,
       [](C&, Zarvick& card) {
         card.Animations().SendToBottom();
         return true;
       }},
      {Op::kCopyAsImageStrip, [](const C&, const Zarvick& card) { return card.HasSelection(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CopyAsImageStrip(card); }},
      {Op::kPasteFromStillImage,
       [](const C& c, const Zarvick& card) {
         return card.Animations().Editable() && c.platform_->clipboard().HasBitmap();
       },
       msg::kEmpty, [](C& c, Zarvick& card) { return c.PasteFromBitmap(card, 0, true); }},
      {Op::kPasteFromImageStrip,
       [](const C& c, const Zarvick& card) {
         return card.Animations().Editable() && c.platform_->clipboard().HasBitmap();
       },
       msg::kEmpty, [](C& c, Zarvick& card) { return c.PasteFromBitmap(card, -1, true); }},
      {Op::kCopyCursor, [](const C&, const Zarvick& card) { return card.HasCursor(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CopyCursor(card); }},
      {Op::kCutCursor, [](const C&, const Zarvick& card) { return card.HasCursor(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CutCursor(card); }},
      {Op::kPasteCursor, [](const C&, const Zarvick&) { return ObjectFileExists("CUR"); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.LoadCursorFrom(card, "CUR"); }},
      {Op::kPasteFromIcon, [](const C&, const Zarvick&) { return ObjectFileExists("ICO"); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.LoadCursorFrom(card, "ICO"); }},
      {Op::kDefaultCursor, [](const C& c, const Zarvick&) { return !c.platform_->cursors().SlotHoldsHandPoint(); },
       msg::kEmpty, [](C& c, Zarvick& card) { return c.DefaultCursor(card); }},
      {Op::kCopySound, [](const C&, const Zarvick& card) { return card.HasSound(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CopySound(card); }},
      {Op::kCutSound, [](const C&, const Zarvick& card) { return card.HasSound(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CutSound(card); }},
      {Op::kPasteSound, [](const C&, const Zarvick&) { return ObjectFileExists("SND"); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.PasteSound(card); }},
      // Also a sound of a kind the card cannot play can be taken out.
      {Op::kClearSound, [](const C&, const Zarvick& card) { return !card.SoundData().empty(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.NoSound(card); }},
      {Op::kCopyFrame, [](const C&, const Zarvick& card) { return card.pSize() != 0; }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CopyFrame(card); }},
      {Op::kCutFrame, [](const C&, const Zarvick& card) { return card.pSize() != 0; }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CutFrame(card); }},
      {Op::kPasteFrame, [](const C&, const Zarvick&) { return ObjectFileExists("FRA"); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.PasteFrame(card); }},
      {Op::kClearFrame, [](const C&, const Zarvick& card) { return card.pSize() != 0; }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.NoFrame(card); }},
      {Op::kCopyLink, [](const C&, const Zarvick&) { return true; }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CopyLink(card); }},
      {Op::kCutLink, [](const C&, const Zarvick& card) { return !card.pLink().empty(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.CutLink(card); }},
      {Op::kPasteLink, [](const C&, const Zarvick&) { return ObjectFileExists("LK"); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.PasteLink(card); }},
      {Op::kClearLink, [](const C&, const Zarvick& card) { return !card.pLink().empty(); }, msg::kEmpty,
       [](C& c, Zarvick& card) { return c.NoLink(card); }},
  }};
  static_assert(InEnumOrder(kOperations));
  return kOperations.at(static_cast<std::size_t>(operation));
}

bool TZarvickClipboard::Allowed(ClipboardOperation operation) const {
  if (card_ == nullptr || platform_ == nullptr) return false;
  try {
    return Describe(operation).allowed(*this, *card_);
  } catch (...) {
    return false;
  }
}

bool TZarvickClipboard::Run(ClipboardOperation operation) {
  return WithCard([&](TZarvickV2& card) {
    const Operation& described = Describe(operation);
    if (!described.allowed(*this, card)) {
      last_error_ = described.refused;
      return false;
    }
    return described.run(*this, card);
  });
}

bool TZarvickClipboard::WithCard(const std::function<bool(TZarvickV2&)>& steps) {
  last_error_ = msg::kUnexpectedError;
  if (card_ == nullptr || platform_ == nullptr) return false;
  try {
    return steps(*card_);
  } catch (const std::bad_alloc&) {
    last_error_ = msg::kOutOfMemory;
    return false;
  } catch (...) {
    // The text of the step that failed stays.
    return false;
  }
}

bool TZarvickClipboard::CardResult(bool succeeded) {
  last_error_ = card_->LastError();
  return succeeded;
}

std::string TZarvickClipboard::ObjectFile(std::string_view kind) {
  return Paths().ClipboardObjectFile(std::string(kind));
}

bool TZarvickClipboard::ObjectFileExists(std::string_view kind) {
  const std::string file = ObjectFile(kind);
  return !file.empty() && ::access(file.c_str(), F_OK) == 0;
}

void TZarvickClipboard::ShowError() {
  if (platform_ != nullptr) platform_->dialogs().ErrorBox(Translate("Error"), Translate(last_error_));
}

TZarvickClipboard& ZarvickClipboard() {
  static TZarvickClipboard instance;
  return instance;
}

}  // namespace plorvane

#pragma once
// TZarvickClipboard: the editor's private clipboard of card parts. Each kind of part (an
// animation, all animations, the cursor, the sound, the frame, the link) has one fixed file in
// the shared clipboard folder; copying writes it and pasting reads it, so parts outlast the
// program and pass between running editors. It also carries the editor's operations on the
// selected animation element, the image strips exchanged through the system clipboard and the
// card images (print, print to the clipboard, print to a file), so the editor reaches the card's
// animations only through it.
//
// Every operation answers success, catches every failure and leaves the text of the step that
// failed in LastError; with no card (or no platform) set every operation fails with
// "Unexpected error".

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "animation/element_rec.h"
#include "clipboard/frame_io.h"
#include "clipboard/link_io.h"
#include "graphics/bitmap.h"
#include "media/open_handler.h"
#include "platform/platform.h"

namespace plorvane {

class TZarvickV2;

// The operations of the menus, each enabled by Allowed and started by Run.
enum class ClipboardOperation {
  // The selected animation element and the animation group.
  kCopyAnimation,
  kCutAnimation,
  kPasteAnimation,
  kCopyAllAnimations,
  kPasteAllAnimations,
  kDuplicate,
  kDelete,
  kDeleteAll,
  kBringToTop,
  kSendToBottom,
  // Image strips through the system clipboard.
  kCopyAsImageStrip,
  kPasteFromStillImage,
  kPasteFromImageStrip,
  // The card's cursor.
  kCopyCursor,
  kCutCursor,
  kPasteCursor,
  kPasteFromIcon,
  kDefaultCursor,
  // The card's sound.
  kCopySound,
  kCutSound,
  kPasteSound,
  kClearSound,
  // The card's frame.
  kCopyFrame,
  kCutFrame,
  kPasteFrame,
  kClearFrame,
  // The card's link.
  kCopyLink,
  kCutLink,
  kPasteLink,
  kClearLink,
};

class TZarvickClipboard {
 public:
  // The largest frame count of an image strip.
  static constexpr int kMaxStripCells = 32767;

  TZarvickClipboard() = default;
  // Removes the print hand-over file this instance wrote.
  ~TZarvickClipboard();
  TZarvickClipboard(const TZarvickClipboard&) = delete;
  TZarvickClipboard& operator=(const TZarvickClipboard&) = delete;

  // The main window sets both at start and clears both (nullptr) at the end; the platform
  // serves the system clipboard, the dialogs and the error box, and must outlive its setting.
  void SetPlatform(Platform* platform) { platform_ = platform; }
  void SetCard(TZarvickV2* card) { card_ = card; }
  [[nodiscard]] TZarvickV2* Card() const { return card_; }

  // The file of a kind ("SAN", "FRA" ...) in the shared clipboard folder.
  static std::string ObjectFile(std::string_view kind);

  // Whether the operation may run now: its menu item's enabled state.
  [[nodiscard]] bool Allowed(ClipboardOperation operation) const;
  // When not allowed it fails with the operation's own text ("Empty", "Index out of range").
  bool Run(ClipboardOperation operation);

  // The selected element's settings: false (0) when none is selected. Setting one needs a
  // selection ("Index out of range") and marks the card changed.
  [[nodiscard]] bool Transparent() const { return SelectedFlag(&TElementRec::pT); }
  [[nodiscard]] bool Flip() const { return SelectedFlag(&TElementRec::pFV); }
  [[nodiscard]] bool Mirror() const { return SelectedFlag(&TElementRec::pFH); }
  bool SetTransparent(bool on) { return SetSelectedFlag(&TElementRec::pT, on); }
  bool SetFlip(bool on) { return SetSelectedFlag(&TElementRec::pFV, on); }
  bool SetMirror(bool on) { return SetSelectedFlag(&TElementRec::pFH, on); }
  [[nodiscard]] int Interval() const;
  // Locked animations cannot be selected, moved or changed.
  [[nodiscard]] bool Locked() const;
  bool SetLocked(bool locked);
  // 0 focus rectangle, 1 all outlined, 2 none; setting clamps.
  [[nodiscard]] int OutlineMode() const;
  bool SetOutlineMode(int mode);

  // Image strips. Frame count 0 means one frame, -1 asks the user (cancelling adds nothing and
  // succeeds); `transparent` is the new element's. A strip cut into more frames than the bitmap
  // has pixel columns is refused.
  bool PasteFromClipboard(int frame_count, bool transparent);
  // The common step of pasting and of the insert windows: the bitmap as a new animation, one
  // element of it placed at the picture's top-left, shown and selected.
  bool AddStrip(const Bitmap& bitmap, int frame_count, bool transparent);

  // The card images: the card's framed picture with its animations as they stand, the menu
  // label hidden and the animations stopped and locked meanwhile (all put back afterwards).
  // Print hands it to the print companion program with the title; PrintToFile asks for the file
  // with a save-picture dialog (cancelling is no failure) and writes a Windows bitmap.
  bool Print(const std::string& title, const std::string& companion_program);
  bool PrintToClipboard();
  bool PrintToFile(TDialogSpec& spec);
  // The bitmap Print hands over, in the settings folder.
  static std::string PrintHandOverFile();

  TFrameIO& FrameIO() { return frame_io_; }
  TLinkIO& LinkIO() { return link_io_; }
  [[nodiscard]] const std::string& LastError() const { return last_error_; }
  // LastError in the error box.
  void ShowError();

 private:
  struct Operation {
    ClipboardOperation id;
    bool (*allowed)(const TZarvickClipboard& clipboard, const TZarvickV2& card);
    std::string_view refused;
    bool (*run)(TZarvickClipboard& clipboard, TZarvickV2& card);
  };
  static const Operation& Describe(ClipboardOperation operation);
  static bool ObjectFileExists(std::string_view kind);

  // "Unexpected error" without a card; otherwise the steps, with every failure caught.
  bool WithCard(const std::function<bool(TZarvickV2&)>& steps);
  // The card's own error text after one of its operations.
  bool CardResult(bool succeeded);

  [[nodiscard]] bool SelectedFlag(bool TElementRec::*flag) const;
  bool SetSelectedFlag(bool TElementRec::*flag, bool on);

  // A cut is the copy followed by the removal, so a failed copy changes nothing on the card.
  bool CopyAnimation(TZarvickV2& card);
  bool CutAnimation(TZarvickV2& card);
  bool PasteAnimation(TZarvickV2& card);
  bool CopyAllAnimations(TZarvickV2& card);
  bool PasteAllAnimations(TZarvickV2& card);
  bool Duplicate(TZarvickV2& card);
  bool Delete(TZarvickV2& card);
  bool DeleteAll(TZarvickV2& card);

  bool CopyAsImageStrip(TZarvickV2& card);
  bool PasteFromBitmap(TZarvickV2& card, int frame_count, bool transparent);
  bool AddStripTo(TZarvickV2& card, const Bitmap& bitmap, int frame_count, bool transparent);

  bool CopyCursor(TZarvickV2& card);
  bool CutCursor(TZarvickV2& card);
  bool LoadCursorFrom(TZarvickV2& card, std::string_view kind);
  bool DefaultCursor(TZarvickV2& card);
  bool CopySound(TZarvickV2& card);
  bool CutSound(TZarvickV2& card);
  bool PasteSound(TZarvickV2& card);
  bool NoSound(TZarvickV2& card);

  bool CopyFrame(TZarvickV2& card);
  bool CutFrame(TZarvickV2& card);
  bool PasteFrame(TZarvickV2& card);
  bool NoFrame(TZarvickV2& card);
  bool CopyLink(TZarvickV2& card);
  bool CutLink(TZarvickV2& card);
  bool PasteLink(TZarvickV2& card);
  bool NoLink(TZarvickV2& card);

  // Prepares the card for a card image, runs the steps and restores the card whatever happened.
  bool WithCardImage(const std::function<bool(TZarvickV2&)>& steps);
  bool SaveFrameBitmap(const TZarvickV2& card, const std::string& path);

  Platform* platform_ = nullptr;
  TZarvickV2* card_ = nullptr;
  TFrameIO frame_io_;
  TLinkIO link_io_;
  std::string last_error_;
  bool wrote_hand_over_ = false;
};

// The one shared instance, made on first use.
TZarvickClipboard& ZarvickClipboard();

}  // namespace plorvane

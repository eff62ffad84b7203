#pragma once
// TSAG: the animation group of one card. A table of up to 200 animations, held once however
// many elements show them, and a list of up to 1000 placed elements in drawing order (entry 0
// is drawn first). Stands alone as a ".SAG" file and is written inside every card.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "animation/animation.h"
#include "animation/element_rec.h"
#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "platform/card_window.h"
#include "platform/clock.h"
#include "streaming/published_properties.h"
#include "streaming/stream.h"

namespace plorvane {

class TSAG {
 public:
  static constexpr std::string_view kClassName = "TSAG";
  static constexpr int kMaxAnimations = 200;
  static constexpr int kMaxElements = 1000;
  // pAC, pEC (last indexes, -1 for none), pSANS (the animations' records), pES (the elements').
  static const PublishedProperties<TSAG>& Published();

  enum PurgeMode { kPurgeUnused = 0, kPurgeUnshown = 1, kPurgeAll = 2 };
  enum OutlineKind { kOutlineFocus = 0, kOutlineAll = 1, kOutlineNone = 2 };

  // The clock stamps LastAdvance when elements restart; it must outlive the group.
  explicit TSAG(Clock& clock);
  TSAG(const TSAG&) = delete;
  TSAG& operator=(const TSAG&) = delete;

  // The table: slots 0..count-1 in order. Registering answers the new slot, or -1 when the
  // table is full (the animation is then destroyed).
  int RegisterAnimation(std::unique_ptr<TSAN> animation);
  // Destroys the animation in that slot and every element that shows it; later animations and
  // the pIDs that name them move down by one. The selection index is left as it is.
  bool RemoveAnimation(int index);
  // Removes the animations no element needs: with kPurgeUnused any element counts, with
  // kPurgeUnshown only Shown ones, with kPurgeAll none.
  void PurgeAnimations(int mode);
  void Clear();

  // Each adds one animation and places one (not yet Shown) element of it at the top-left,
  // answering the element's index; a failed add leaves nothing behind.
  bool AddFromFile(const std::string& path, int& index);
  bool AddFromBitmap(const Bitmap& bitmap, int frame_width, int& index);

  // The new element's index, or -1 when the list is full or its pID names no animation.
  int AddElement(const TElementRec& record);
  // For an invalid index only the record's pID is set, to -1.
  void GetElement(int index, TElementRec& record) const;
  // Clamps the record's settings and stores it; restarts playback when its timing changed.
  void SetElement(int index, const TElementRec& record);
  void GetSelectedElement(TElementRec& record) const;
  void SetSelectedElement(const TElementRec& record);

  // False, and a blank drawable animation, for an invalid index.
  bool GetAnimation(int index, const TSAN*& animation) const;
  // Numbers of elements and animations, unlike the last indexes the stream holds.
  struct Counts {
    int elements = 0;
    int animations = 0;
  };
  [[nodiscard]] Counts GetCounts() const;

  void Select(int index);
  // Steps the selection by +1 or -1, wrapping around at both ends.
  void SelectRelative(int step);
  [[nodiscard]] bool HasSelection() const;
  [[nodiscard]] int Selected() const { return selected_; }
  // The index of the topmost element; -1 without elements.
  [[nodiscard]] int LastElement() const { return static_cast<int>(elements_.size()) - 1; }

  // Each needs HasSelection.
  int DuplicateSelected();
  void DeleteSelected();
  void BringToTop();
  void SendToBottom();
  [[nodiscard]] bool CanBringToTop() const;
  [[nodiscard]] bool CanSendToBottom() const;

  // The ".SAN" file of one element's animation with that element's settings.
  bool SaveElementToFile(int index, const std::string& path);
  // Drops the animations and elements that are not Shown before writing.
  bool SaveToStream(Stream& stream);
  // Merging appends the loaded animations after the existing ones and the loaded elements on
  // top; otherwise the group is cleared first. A damaged stream leaves no loaded part behind.
  bool LoadFromStream(Stream& stream, bool merge);
  bool SaveToFile(const std::string& path);
  bool LoadFromFile(const std::string& path, bool merge);

  // Every element back to frame 1 with fresh timing; not while Paused.
  void RestartAll();

  // Playback. An 8 ms timer owned by the card drives Tick on the main thread: it advances the
  // due elements and fires OnPaint when the picture changed. Nothing happens while Suspended or
  // during stream operations; while Paused only owed repaints are fired.
  void Tick();
  // Advances every element whose interval has passed; true when any did. A due element's next
  // interval counts from when this one was due, so late ticks do not slow it down; one that
  // fell more than an interval behind (paused, suspended) starts again from now.
  bool AdvanceDue();
  // The tick count at which the next element comes due (now when one already is), or none
  // when no element will advance without a change.
  [[nodiscard]] std::optional<std::uint32_t> NextAdvance() const;

  // What changed on the canvas since the owner last asked: the rectangles of the elements that
  // advanced, or everything after any other change (or when too many rectangles piled up).
  struct CanvasChanges {
    bool everything = false;
    std::vector<Rect> areas;
  };
  CanvasChanges TakeChanges();

  // The bitmap the elements are drawn on (the card's picture layer); nullptr detaches it, and
  // without one nothing is drawn or hit. The bitmap must outlive its attachment.
  void SetCanvas(Bitmap* canvas);
  [[nodiscard]] Bitmap* Canvas() const { return canvas_; }
  // Draws every Shown element in list order, each with the outline its selection calls for.
  void DrawAll();
  // The same restricted to the elements that reach into `area` of the canvas, drawn on
  // `target`, whose (0, 0) is the area's top-left.
  void DrawArea(const Rect& area, Bitmap& target);
  // Keeps at least 10 pixels of the element on the canvas (all of it when smaller); true when
  // x and y needed no change.
  bool ClampPosition(int index, std::int32_t& x, std::int32_t& y) const;
  // The element under a canvas point: the topmost whose pixel there is opaque, else the
  // topmost whose rectangle holds the point; -1 for none.
  [[nodiscard]] int HitTest(int x, int y) const;

  // Mouse and keyboard of the card window, in picture coordinates.
  void SelectAt(int x, int y);
  enum MouseKind { kMouseHover = 0, kMousePress = 1 };
  // kMouseHover for moves without the button and for releases, kMousePress for presses and
  // drags, which select and move elements. True while the pointer is over something the
  // editor can drag.
  bool MouseAction(int kind, int x, int y);
  // Arrows move the selection by 1 pixel, 15 with Shift; Space selects the next element (the
  // previous with Ctrl), Left and Right with Ctrl select the previous and next. True when the
  // key was used; nothing is used without an editable selection.
  bool HandleKey(const KeyEvent& event);

  void SetEditable(bool editable);
  [[nodiscard]] bool Editable() const { return editable_; }
  void SetOutlineMode(int mode);
  [[nodiscard]] int OutlineMode() const { return outline_mode_; }
  [[nodiscard]] bool Dirty() const { return dirty_; }
  [[nodiscard]] int BusyCount() const { return busy_count_; }
  [[nodiscard]] int MergeBase() const { return merge_base_; }
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

  // "Pause All" of the main window: no advancing, repaints still happen.
  bool Paused = false;
  // Set by the card while it must not be drawn.
  bool Suspended = false;

  // Asks the owner to repaint the card.
  std::function<void()> OnPaint;
  // The selection or an element's settings changed.
  std::function<void()> OnChange;

 private:
  [[nodiscard]] bool ValidAnimation(int index) const;
  [[nodiscard]] bool ValidElement(int index) const;
  [[nodiscard]] bool AnimationInUse(int index, bool shown_only) const;
  void Changed();
  [[nodiscard]] TSAN::OutlineStyle OutlineFor(int index) const;
  void MoveSelected(std::int32_t dx, std::int32_t dy);
  bool AddAnimation(const std::function<bool(TSAN&)>& fill, int& index);

  // pSANS and pES, written and read.
  [[nodiscard]] std::string AnimationRecords() const;
  [[nodiscard]] std::string ElementRecords() const;
  void ReadAnimationRecords(const std::string& records);
  void ReadElementRecords(const std::string& records);

  Clock& clock_;
  TSAN placeholder_;
  std::vector<std::unique_ptr<TSAN>> animations_;
  std::vector<TElementRec> elements_;
  int selected_ = -1;
  bool editable_ = false;
  int outline_mode_ = kOutlineFocus;
  int busy_count_ = 0;
  bool dirty_ = false;
  Bitmap* canvas_ = nullptr;
  // Above zero while a Tick runs, so one fired from inside OnPaint does nothing.
  int ticks_running_ = 0;
  int last_mouse_kind_ = kMouseHover;
  Point last_mouse_;
  int merge_base_ = 0;
  CanvasChanges changes_;
  // The counts a stream being read announced, as last indexes.
  int declared_last_animation_ = -1;
  int declared_last_element_ = -1;
  // Set when pSANS or pES of the stream being read turned out damaged.
  bool read_damaged_ = false;
  std::string last_error_;
};

}  // namespace plorvane

#pragma once
// TSAN: one animation, an image strip of equal-width frames side by side plus the element
// settings (its template) that a new placement starts from. Stands alone as a ".SAN" file.

#include <string>
#include <string_view>

#include "animation/element_rec.h"
#include "graphics/bitmap.h"
#include "streaming/published_properties.h"
#include "streaming/stream.h"

namespace plorvane {

class TSAG;

class TSAN {
 public:
  static constexpr std::string_view kClassName = "TSAN";
  static constexpr int kMaxSide = 32767;
  static constexpr int kMaxInterval = 5000;
  static constexpr int kMaxFlashMode = 2;
  // pW, pD, pI, pT, pFV, pFH, pF, pSH, pSV: the entries of a ".SAN" file, in its order.
  static const PublishedProperties<TSAN>& Published();

  // One white 50 by 50 frame, a still template, unregistered.
  TSAN();
  TSAN(const TSAN&) = delete;
  TSAN& operator=(const TSAN&) = delete;

  // Each value clamped to 1..32767; the strip becomes `frame_count` white frames.
  bool SetFrameSize(int frame_width, int height, int frame_count);
  // Copies the bitmap as the strip; more than one frame makes the template's interval 500 ms.
  bool AssignStrip(const Bitmap& bitmap, int frame_width);

  [[nodiscard]] int pW() const { return frame_width_; }
  void SetFrameWidth(int width);
  // The template's interval, clamped to 0..5000.
  void SetInterval(int milliseconds);
  // The template's flash mode, clamped to 0..2; an odd flash starts visible.
  void SetFlashMode(int mode);

  // Whole frames only: columns beyond the last whole frame are never shown.
  [[nodiscard]] int FrameCount() const { return strip_.width() / frame_width_; }
  [[nodiscard]] int Height() const { return strip_.height(); }
  [[nodiscard]] const Bitmap& Strip() const { return strip_; }

  // How an element is outlined in the editor: the focus rectangle of the selection, the
  // dotted line of every element, or nothing.
  enum OutlineStyle { kFocusOutline = 0, kDottedOutline = 1, kNoOutline = 2 };
  // Draws the element's current frame at its place on the canvas, with its flips,
  // transparency, scroll offsets and flash state, then its outline.
  void DrawElement(const TElementRec& element, Bitmap& canvas, int outline) const;
  // Whether the element shows nothing at (x, y), relative to its top-left corner.
  [[nodiscard]] bool IsTransparentAt(const TElementRec& element, int x, int y) const;

  // The template with its size, frame count and pID taken from the animation as it is now.
  void GetTemplate(TElementRec& record) const;
  void SetTemplate(const TElementRec& record);

  bool SaveToStream(Stream& stream);
  bool LoadFromStream(Stream& stream);
  bool SaveToFile(const std::string& path);
  bool LoadFromFile(const std::string& path);

  // While a load is in progress the animation is not drawn.
  [[nodiscard]] int LoadingCount() const { return loading_count_; }
  [[nodiscard]] TSAG* Owner() const { return owner_; }
  // The slot in the owner's table, -1 while unregistered.
  [[nodiscard]] int Index() const { return index_; }
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

 private:
  friend class TSAG;  // registers, renumbers and unregisters its animations

  TSAG* owner_ = nullptr;
  int index_ = -1;
  TElementRec template_ = DefaultElement();
  int frame_width_ = 1;
  Bitmap strip_;
  int loading_count_ = 0;
  std::string last_error_;
};

}  // namespace plorvane

#pragma once
// The picture container: at most one graphic of the four classes a card can carry. Each graphic
// keeps the bytes it was loaded from (a JPEG saved again writes the same JPEG), and knows how to
// write and read its data block inside a picture record.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/bitmap.h"

namespace plorvane {

class Graphic {
 public:
  virtual ~Graphic() = default;
  Graphic() = default;
  Graphic(const Graphic&) = delete;
  Graphic& operator=(const Graphic&) = delete;

  // "TBitmap", "TJPEGImage", "TIcon" or "TMetafile".
  [[nodiscard]] virtual std::string_view ClassName() const = 0;
  // Appends the graphic's data block (the bytes after the class name in a picture record).
  virtual void WriteData(std::vector<std::uint8_t>& out) const = 0;
  // Loads a data block; `block` runs to the end of the record entry. False when it is not a
  // valid block for this class; the graphic is then left empty.
  virtual bool ReadData(std::span<const std::uint8_t> block) = 0;

  [[nodiscard]] virtual int Width() const = 0;
  [[nodiscard]] virtual int Height() const = 0;
  [[nodiscard]] virtual bool Empty() const = 0;
  // Decoded 24-bit pixels for drawing. False when this class cannot be decoded in the core
  // (metafiles are drawn through the platform) or the data does not decode.
  virtual bool Render(Bitmap& out) const = 0;

  [[nodiscard]] virtual std::unique_ptr<Graphic> Clone() const = 0;
};

class Picture {
 public:
  Picture() = default;
  Picture(const Picture& other);
  Picture& operator=(const Picture& other);
  Picture(Picture&&) noexcept = default;
  Picture& operator=(Picture&&) noexcept = default;
  ~Picture() = default;

  [[nodiscard]] const Graphic* graphic() const { return graphic_.get(); }
  [[nodiscard]] bool HasGraphic() const { return graphic_ != nullptr; }
  void SetGraphic(std::unique_ptr<Graphic> graphic) { graphic_ = std::move(graphic); }
  void Clear() { graphic_.reset(); }
  // The pixels the graphic decodes to (width times height); 0 without a graphic.
  [[nodiscard]] std::int64_t PixelCount() const;

  // The class name as a short string followed by the graphic's data block. Nothing is appended
  // for a picture without a graphic.
  void SaveData(std::vector<std::uint8_t>& out) const;
  // Creates a graphic of the named class and loads the block into it. False (and the picture
  // unchanged) for an unknown class ("Unknown format") or a bad block ("Data corrupt").
  bool LoadData(std::span<const std::uint8_t> data);
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

  // A new, empty graphic of the named class; nullptr for a name that is not one of the four.
  static std::unique_ptr<Graphic> CreateGraphic(std::string_view class_name);

 private:
  std::unique_ptr<Graphic> graphic_;
  std::string last_error_;
};

}  // namespace plorvane

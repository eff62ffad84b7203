#include "graphics/picture.h"

#include <new>

#include "graphics/bitmap_graphic.h"
#include "graphics/icon_graphic.h"
#include "graphics/jpeg_graphic.h"
#include "graphics/metafile_graphic.h"
#include "support/messages.h"

namespace plorvane {

std::int64_t Picture::PixelCount() const {
  if (!graphic_ || graphic_->Width() <= 0 || graphic_->Height() <= 0) return 0;
  return std::int64_t{graphic_->Width()} * graphic_->Height();
}

Picture::Picture(const Picture& other)
    : graphic_(other.graphic_ ? other.graphic_->Clone() : nullptr), last_error_(other.last_error_) {}

Picture& Picture::operator=(const Picture& other) {
  if (this != &other) {
    graphic_ = other.graphic_ ? other.graphic_->Clone() : nullptr;
    last_error_ = other.last_error_;
  }
  return *this;
}

std::unique_ptr<Graphic> Picture::CreateGraphic(std::string_view class_name) {
  if (class_name == "TBitmap") return std::make_unique<TBitmap>();
  if (class_name == "TJPEGImage") return std::make_unique<TJPEGImage>();
  if (class_name == "TIcon") return std::make_unique<TIcon>();
  if (class_name == "TMetafile") return std::make_unique<TMetafile>();
  return nullptr;
}

void Picture::SaveData(std::vector<std::uint8_t>& out) const {
  if (!graphic_) return;
  const std::string_view name = graphic_->ClassName();
  out.push_back(static_cast<std::uint8_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  graphic_->WriteData(out);
}

bool Picture::LoadData(std::span<const std::uint8_t> data) {
  last_error_ = msg::kUnknownFormat;
  if (data.empty() || data[0] >= data.size()) return false;
  const std::size_t name_length = data[0];
  const std::string_view name(reinterpret_cast<const char*>(data.data() + 1), name_length);
  std::unique_ptr<Graphic> graphic = CreateGraphic(name);
  if (!graphic) return false;

  try {
    last_error_ = msg::kDataCorrupt;
    if (!graphic->ReadData(data.subspan(1 + name_length))) return false;
  } catch (const std::bad_alloc&) {
    last_error_ = msg::kOutOfMemory;
    return false;
  }
  graphic_ = std::move(graphic);
  return true;
}

}  // namespace plorvane

// The card record: the published properties in the order they are written, and the setters
// that apply them.
#include <algorithm>

#include "card/card.h"
#include "graphics/cursor_codec.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "streaming/pic.h"
#include "support/limits.h"
#include "support/zip_handler.h"

namespace plorvane {
namespace {

std::span<const std::uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Uncompressed when compressing fails, as the stream has always done.
std::string Compressed(std::span<const std::uint8_t> bytes) {
  std::string packed;
  if (!ZipHandler().CompressBytes(bytes, packed)) packed.assign(bytes.begin(), bytes.end());
  return packed;
}

}  // namespace

const PublishedProperties<TZarvickV2>& TZarvickV2::Published() {
  using C = TZarvickV2;
  static const auto properties =
      PublishedProperties<C>()
          .String(
              "pPicture", [](const C& c) { return c.PackedPicture(c.card_picture_); },
              [](C& c, std::string&& v) {
                auto picture = c.UnpackPicture(v);
                if (!picture) return;
                if (picture->PixelCount() > limits::kMaxCardPixels) {
                  c.over_pixel_budget_ = true;
                } else {
                  c.SetCardPicture(std::move(*picture));
                }
              })
          .Integer(
              "pSoundType", [](const C& c) { return std::int32_t{c.sound_type_}; },
              [](C& c, std::int32_t v) { c.SetSoundType(v); })
          .String(
              "pSound", [](const C& c) { return c.PackedSound(); },
              [](C& c, std::string&& v) { c.UnpackSound(std::move(v)); })
          .Integer(
              "pSplit", [](const C& c) { return std::int32_t{c.split_}; }, [](C& c, std::int32_t v) { c.SetSplit(v); })
          .Integer(
              "pColor", [](const C& c) { return static_cast<std::int32_t>(c.colour_); },
              [](C& c, std::int32_t v) { c.SetColor(static_cast<Colour>(v)); })
          .Boolean(
              "pSwapColor", [](const C& c) { return c.swap_colour_; }, [](C& c, bool v) { c.SetSwapColor(v); })
          .Integer(
              "pSize", [](const C& c) { return std::int32_t{c.size_}; }, [](C& c, std::int32_t v) { c.SetSize(v); })
          .Integer(
              "pShade", [](const C& c) { return std::int32_t{c.shade_}; }, [](C& c, std::int32_t v) { c.SetShade(v); })
          .String(
              "pLink", [](const C& c) { return c.pLink(); }, [](C& c, std::string&& v) { c.SetLink(v); })
          .Integer(
              "pLinkColor", [](const C& c) { return static_cast<std::int32_t>(c.link_colour_); },
              [](C& c, std::int32_t v) { c.SetLinkColor(static_cast<Colour>(v)); })
          .String(
              "pCursor", [](const C& c) { return c.PackedCursor(); },
              [](C& c, std::string&& v) { c.UnpackCursor(std::move(v)); })
          .String(
              "pAboutScrn", [](const C& c) { return c.about_screen_packed_; },
              [](C& c, std::string&& v) { c.about_screen_packed_ = std::move(v); });
  return properties;
}

std::string TZarvickV2::PackedPicture(const Picture& picture) const {
  TPic record;
  record.pPic = picture;
  MemoryStream stream;
  WriteObject(stream, record);
  return Compressed(stream.bytes());
}

std::optional<Picture> TZarvickV2::UnpackPicture(const std::string& packed) const {
  // No bitmap a card may show is larger than 4 bytes a pixel of the card's allowance plus its
  // headers and palette, so a larger record is refused before it is inflated in full.
  constexpr std::int64_t kMaxPictureRecordBytes = 4 * limits::kMaxCardPixels + 64 * 1024;
  TZipHandler inflater(kMaxPictureRecordBytes);
  std::vector<std::uint8_t> record_bytes;
  if (!inflater.DecompressBytes(AsBytes(packed), record_bytes)) return std::nullopt;
  MemoryStream stream(std::move(record_bytes));
  TPic record;
  if (!ReadObject(stream, record)) return std::nullopt;
  return std::move(record.pPic);
}

std::int64_t TZarvickV2::DecodedPixels() const {
  std::int64_t pixels = card_picture_.PixelCount();
  const TSAN* animation = nullptr;
  for (int index = 0; index < TSAG::kMaxAnimations; ++index) {
    if (animations_->GetAnimation(index, animation)) {
      pixels += std::int64_t{animation->Strip().width()} * animation->Strip().height();
    }
  }
  return pixels;
}

std::string TZarvickV2::PackedSound() const { return Compressed(sound_data_); }

void TZarvickV2::UnpackSound(std::string packed) {
  ZipHandler().DecompressBytes(AsBytes(packed), sound_data_);
}

std::string TZarvickV2::PackedCursor() const {
  if (cursor_data_.empty()) return {};
  return Compressed(cursor_data_);
}

void TZarvickV2::UnpackCursor(std::string packed) {
  if (packed.empty()) {
    ResetCursor();
    return;
  }
  if (ZipHandler().DecompressBytes(AsBytes(packed), cursor_data_)) ShowCursorData();
}

// A byte in the file format: larger values keep their low byte, as they always have.
void TZarvickV2::SetSplit(int split) { split_ = static_cast<std::uint8_t>(split); }

void TZarvickV2::SetShade(int shade) { shade_ = std::clamp(shade, 0, 100); }

void TZarvickV2::SetSize(int size) {
  const int clamped = std::clamp(size, 0, kMaxFrameSize);
  if (clamped != size_) flags_.size = true;
  size_ = clamped;
}

void TZarvickV2::SetColor(Colour colour) {
  if (colour != colour_) flags_.colour = true;
  colour_ = colour;
}

void TZarvickV2::SetSwapColor(bool swap) { swap_colour_ = swap; }

void TZarvickV2::SetLinkColor(Colour colour) {
  if (colour != link_colour_) flags_.link_colour = true;
  link_colour_ = colour;
}

const std::string& TZarvickV2::pLink() const { return link_label_->Caption(); }

void TZarvickV2::SetLink(const std::string& link) {
  if (link == link_label_->Caption()) return;
  link_label_->SetCaption(link);
  flags_.link = true;
}

}  // namespace plorvane

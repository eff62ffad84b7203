#include "graphics/webp_codec.h"

#include <webp/decode.h>

#include <algorithm>
#include <new>
#include <optional>

#include "support/limits.h"

namespace plorvane {
namespace {

std::optional<WebPBitstreamFeatures> FeaturesOf(std::span<const std::uint8_t> file) {
  WebPBitstreamFeatures features{};
  if (!LooksLikeWebp(file) || WebPGetFeatures(file.data(), file.size(), &features) != VP8_STATUS_OK)
    return std::nullopt;
  return features;
}

}  // namespace

bool LooksLikeWebp(std::span<const std::uint8_t> file) {
  return file.size() >= 12 && std::equal(file.begin(), file.begin() + 4, "RIFF") &&
         std::equal(file.begin() + 8, file.begin() + 12, "WEBP");
}

bool IsAnimatedWebp(std::span<const std::uint8_t> file) {
  const std::optional<WebPBitstreamFeatures> features = FeaturesOf(file);
  return features && features->has_animation != 0;
}

bool DecodeWebp(std::span<const std::uint8_t> file, BgraImage& out) {
  const std::optional<WebPBitstreamFeatures> features = FeaturesOf(file);
  if (!features || features->has_animation != 0 || features->width <= 0 || features->height <= 0 ||
      std::int64_t{features->width} * features->height > limits::kMaxBitmapPixels)
    return false;
  try {
    const auto width = static_cast<std::size_t>(features->width);
    BgraImage decoded{features->width, features->height,
                      std::vector<std::uint8_t>(width * static_cast<std::size_t>(features->height) * 4)};
    // Straight alpha: the premultiplied mode would be MODE_bgrA.
    if (WebPDecodeBGRAInto(file.data(), file.size(), decoded.bgra.data(), decoded.bgra.size(),
                           static_cast<int>(width * 4)) == nullptr)
      return false;
    out = std::move(decoded);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane

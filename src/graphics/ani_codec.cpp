#include "graphics/ani_codec.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "graphics/ico_codec.h"
#include "graphics/little_endian.h"

namespace plorvane {
namespace {

constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kFormTypeSize = 4;
constexpr std::uint32_t kHeaderChunkSize = 36;
constexpr std::uint32_t kFlagIconFrames = 1;
constexpr std::uint32_t kFlagSequence = 2;
constexpr std::uint64_t kJiffiesPerSecond = 60;

bool HasId(std::span<const std::uint8_t> data, std::size_t offset, std::string_view id) {
  return le::Fits(data.size(), offset, id.size()) &&
         std::equal(id.begin(), id.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                    [](char expected, std::uint8_t actual) { return static_cast<std::uint8_t>(expected) == actual; });
}

struct Chunk {
  std::span<const std::uint8_t> whole;  // header and data
  std::span<const std::uint8_t> data;
  [[nodiscard]] bool Is(std::string_view id) const { return HasId(whole, 0, id); }
};

// Walks a run of chunks, each checked against what remains. Chunks are padded to an even size;
// the pad of the last one may be missing.
class ChunkWalker {
 public:
  explicit ChunkWalker(std::span<const std::uint8_t> data) : data_(data) {}

  // False at the end, or at a chunk that does not fit (error() then says so).
  bool Next(Chunk& chunk) {
    if (offset_ >= data_.size()) return false;
    std::uint32_t size = 0;
    if (!le::ReadU32(data_, offset_ + 4, size) || !le::Fits(data_.size(), offset_ + kChunkHeaderSize, size)) {
      error_ = CursorError::kTruncated;
      return false;
    }
    chunk.whole = data_.subspan(offset_, kChunkHeaderSize + size);
    chunk.data = chunk.whole.subspan(kChunkHeaderSize);
    offset_ += kChunkHeaderSize + size + (size & 1);  // at most one past the end
    return true;
  }
  [[nodiscard]] CursorError error() const { return error_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t offset_ = 0;
  CursorError error_ = CursorError::kNone;
};

struct AniParts {
  std::optional<std::span<const std::uint8_t>> header;
  std::optional<std::span<const std::uint8_t>> rates;
  std::optional<std::span<const std::uint8_t>> sequence;
  std::optional<std::vector<std::span<const std::uint8_t>>> icons;
};

// A second copy of a part would leave it unclear which one counts.
CursorError SetOnce(std::optional<std::span<const std::uint8_t>>& part, std::span<const std::uint8_t> data) {
  if (part) return CursorError::kBadHeader;
  part = data;
  return CursorError::kNone;
}

CursorError ReadFrameList(std::span<const std::uint8_t> list, std::vector<std::span<const std::uint8_t>>& icons) {
  ChunkWalker walker(list);
  Chunk chunk;
  while (walker.Next(chunk)) {
    if (!chunk.Is("icon")) continue;
    if (icons.size() == kMaxCursorFrames) return CursorError::kTooLarge;
    icons.push_back(chunk.data);
  }
  return walker.error();
}

CursorError CollectParts(std::span<const std::uint8_t> body, AniParts& parts) {
  ChunkWalker walker(body);
  Chunk chunk;
  while (walker.Next(chunk)) {
    CursorError error = CursorError::kNone;
    if (chunk.Is("anih")) {
      error = SetOnce(parts.header, chunk.data);
    } else if (chunk.Is("rate")) {
      error = SetOnce(parts.rates, chunk.data);
    } else if (chunk.Is("seq ")) {
      error = SetOnce(parts.sequence, chunk.data);
    } else if (chunk.Is("LIST")) {
      if (chunk.data.size() < kFormTypeSize) return CursorError::kTruncated;
      if (!HasId(chunk.data, 0, "fram")) continue;
      if (parts.icons) return CursorError::kBadHeader;
      error = ReadFrameList(chunk.data.subspan(kFormTypeSize), parts.icons.emplace());
    }
    if (error != CursorError::kNone) return error;
  }
  return walker.error();
}

struct AniHeader {
  std::uint32_t frames = 0;
  std::uint32_t steps = 0;
  std::uint32_t jiffies = 0;
  std::uint32_t flags = 0;
};

CursorError ReadHeader(std::span<const std::uint8_t> data, AniHeader& header) {
  std::uint32_t declared_size = 0;
  if (!le::ReadU32(data, 0, declared_size) || !le::ReadU32(data, 4, header.frames) ||
      !le::ReadU32(data, 8, header.steps) || !le::ReadU32(data, 28, header.jiffies) ||
      !le::ReadU32(data, 32, header.flags))
    return CursorError::kTruncated;
  if (declared_size != kHeaderChunkSize || header.frames == 0 || header.steps == 0) return CursorError::kBadHeader;
  if (header.frames > kMaxCursorFrames || header.steps > kMaxCursorFrames) return CursorError::kTooLarge;
  if ((header.flags & kFlagIconFrames) == 0) return CursorError::kUnsupportedData;
  return CursorError::kNone;
}

// Reads one 32-bit value per step; the step count is capped, so the list is small.
CursorError ReadStepValues(std::span<const std::uint8_t> data, std::uint32_t steps,
                           std::vector<std::uint32_t>& values) {
  if (!le::Fits(data.size(), 0, std::size_t{steps} * 4)) return CursorError::kTruncated;
  values.resize(steps);
  for (std::uint32_t i = 0; i < steps; ++i) le::ReadU32(data, std::size_t{i} * 4, values[i]);
  return CursorError::kNone;
}

CursorError StepOrder(const AniHeader& header, const AniParts& parts, std::vector<std::uint32_t>& order) {
  if ((header.flags & kFlagSequence) == 0) {
    if (header.steps > header.frames) return CursorError::kBadSequence;
    order.resize(header.steps);
    for (std::uint32_t i = 0; i < header.steps; ++i) order[i] = i;
    return CursorError::kNone;
  }
  if (!parts.sequence) return CursorError::kBadHeader;
  if (const CursorError error = ReadStepValues(*parts.sequence, header.steps, order); error != CursorError::kNone)
    return error;
  const bool in_range =
      std::all_of(order.begin(), order.end(), [&](std::uint32_t index) { return index < header.frames; });
  return in_range ? CursorError::kNone : CursorError::kBadSequence;
}

CursorError StepJiffies(const AniHeader& header, const AniParts& parts, std::vector<std::uint32_t>& jiffies) {
  if (!parts.rates) {
    jiffies.assign(header.steps, header.jiffies);
    return CursorError::kNone;
  }
  return ReadStepValues(*parts.rates, header.steps, jiffies);
}

std::uint32_t JiffiesToMs(std::uint32_t jiffies) {
  const std::uint64_t ms = std::uint64_t{std::max<std::uint32_t>(jiffies, 1)} * 1000 / kJiffiesPerSecond;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(ms, std::numeric_limits<std::uint32_t>::max()));
}

// Adds a frame's pixel bytes to a running total; false once the total passes the cap.
bool WithinCap(std::size_t& total, const CursorFrame& frame) {
  total += frame.bgra.size();  // each frame is at most 256 KiB, so this cannot wrap
  return total <= kMaxAnimatedCursorBytes;
}

CursorError DecodeFrames(const AniHeader& header, const AniParts& parts, std::vector<CursorFrame>& frames) {
  if (!parts.icons || parts.icons->size() != header.frames) return CursorError::kBadHeader;
  std::size_t total = 0;
  frames.resize(header.frames);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const CursorError error = DecodeIconFile((*parts.icons)[i], IconChoice::kCursorSize, frames[i]);
    if (error != CursorError::kNone) return error;
    if (!WithinCap(total, frames[i])) return CursorError::kTooLarge;
  }
  return CursorError::kNone;
}

}  // namespace

bool LooksLikeRiffFile(std::span<const std::uint8_t> file) { return HasId(file, 0, "RIFF"); }

CursorError DecodeAniFile(std::span<const std::uint8_t> file, CursorImage& image) {
  if (!LooksLikeRiffFile(file)) return CursorError::kNotACursor;
  std::uint32_t riff_size = 0;
  if (!le::ReadU32(file, 4, riff_size) || !le::Fits(file.size(), kChunkHeaderSize, riff_size) ||
      riff_size < kFormTypeSize)
    return CursorError::kTruncated;
  if (!HasId(file, kChunkHeaderSize, "ACON")) return CursorError::kNotACursor;

  AniParts parts;
  AniHeader header;
  std::vector<std::uint32_t> order;
  std::vector<std::uint32_t> jiffies;
  std::vector<CursorFrame> frames;
  CursorError error = CollectParts(file.subspan(kChunkHeaderSize + kFormTypeSize, riff_size - kFormTypeSize), parts);
  if (error == CursorError::kNone && !parts.header) error = CursorError::kBadHeader;
  if (error == CursorError::kNone) error = ReadHeader(*parts.header, header);
  if (error == CursorError::kNone) error = StepOrder(header, parts, order);
  if (error == CursorError::kNone) error = StepJiffies(header, parts, jiffies);
  if (error == CursorError::kNone) error = DecodeFrames(header, parts, frames);
  if (error != CursorError::kNone) return error;

  std::size_t total = 0;
  for (const std::uint32_t index : order) {
    if (!WithinCap(total, frames[index])) return CursorError::kTooLarge;
  }
  CursorImage decoded;
  decoded.frames.reserve(order.size());
  for (std::size_t step = 0; step < order.size(); ++step) {
    decoded.frames.push_back(frames[order[step]]);
    decoded.frames.back().display_ms = JiffiesToMs(jiffies[step]);
  }
  image = std::move(decoded);
  return CursorError::kNone;
}

}  // namespace plorvane

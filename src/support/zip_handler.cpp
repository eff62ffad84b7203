#include "support/zip_handler.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "streaming/memory_stream.h"
#include "support/messages.h"

namespace plorvane {
namespace {

constexpr int kFastestLevel = 1;
// The decompressor is fed this many input bytes at a time.
constexpr std::size_t kInputPiece = 1000;
// Inflated bytes pass through a small buffer that stays in the cache.
constexpr std::size_t kOutputPiece = std::size_t{64} * 1024;
// Room reserved up front for the inflated bytes, so typical data never regrows.
constexpr std::size_t kExpectedRatio = 4;

using Bytes = std::span<const std::uint8_t>;

Bytes BytesOf(const std::string& text) { return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}; }

// Large buffers are the expensive part here (every fresh page faults), so the compressed bytes
// land in memory that is not cleared first: only the pages zlib writes are touched, not the whole
// worst-case bound.
struct Compressed {
  std::unique_ptr<std::uint8_t[]> bytes;
  std::size_t size = 0;

  [[nodiscard]] Bytes view() const { return {bytes.get(), size}; }
};

bool Deflate(Bytes input, Compressed& output) {
  uLongf length = compressBound(input.size());
  output.bytes = std::make_unique_for_overwrite<std::uint8_t[]>(length);
  if (compress2(output.bytes.get(), &length, input.data(), input.size(), kFastestLevel) != Z_OK) return false;
  output.size = length;
  return true;
}

class InflateSession {
 public:
  InflateSession() { ready_ = inflateInit(&stream_) == Z_OK; }
  ~InflateSession() {
    if (ready_) inflateEnd(&stream_);
  }
  InflateSession(const InflateSession&) = delete;
  InflateSession& operator=(const InflateSession&) = delete;

  [[nodiscard]] bool ready() const { return ready_; }
  z_stream& stream() { return stream_; }

 private:
  z_stream stream_{};
  bool ready_ = false;
};

std::size_t ReservationFor(Bytes input, std::int64_t cap) {
  const auto limit = static_cast<std::uint64_t>(std::max<std::int64_t>(cap, 0));
  return static_cast<std::size_t>(std::min<std::uint64_t>(limit, std::uint64_t{input.size()} * kExpectedRatio));
}

// Inflates one whole zlib stream from the front of `input`, handing the output to `take` piece
// by piece. Fails when the data is damaged, ends early, would inflate to more than `cap` bytes
// (`take` never receives more than cap bytes in all) or `take` refuses a piece.
template <class Take>
bool Inflate(Bytes input, std::int64_t cap, Take&& take) {
  InflateSession session;
  if (!session.ready() || cap < 0) return false;
  z_stream& z = session.stream();
  std::array<std::uint8_t, kOutputPiece> piece{};
  std::uint64_t produced = 0;
  std::size_t consumed = 0;
  for (int status = Z_OK; status != Z_STREAM_END;) {
    if (z.avail_in == 0) {
      if (consumed == input.size()) return false;
      const std::size_t size = std::min(kInputPiece, input.size() - consumed);
      z.next_in = input.data() + consumed;
      z.avail_in = static_cast<uInt>(size);
      consumed += size;
    }
    z.next_out = piece.data();
    z.avail_out = static_cast<uInt>(piece.size());
    status = inflate(&z, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) return false;
    const std::size_t got = piece.size() - z.avail_out;
    produced += got;
    if (produced > static_cast<std::uint64_t>(cap)) return false;
    if (got > 0 && !take(Bytes(piece.data(), got))) return false;
  }
  return true;
}

}  // namespace

TZipHandler::TZipHandler(std::int64_t max_output_bytes) : max_output_bytes_(max_output_bytes) {}

bool TZipHandler::CompressStream(MemoryStream& stream) {
  last_error_ = msg::kOutOfMemory;
  try {
    Compressed compressed;
    if (!Deflate(stream.bytes(), compressed)) return false;
    stream.Clear();
    stream.Write(compressed.view());
    stream.Seek(0);
    return true;
  } catch (...) {
    return false;
  }
}

bool TZipHandler::DecompressStream(MemoryStream& stream) {
  last_error_ = msg::kOutOfMemory;
  const std::int64_t position = stream.Position();
  std::vector<std::uint8_t> original;
  try {
    // The inflated bytes go straight into the stream: one large buffer instead of two.
    original = stream.TakeBytes();
    const auto start = static_cast<std::size_t>(std::clamp<std::int64_t>(position, 0, std::ssize(original)));
    const Bytes input = Bytes(original).subspan(start);
    stream.SetSize(ReservationFor(input, max_output_bytes_));
    std::size_t written = 0;
    const bool inflated = Inflate(input, max_output_bytes_, [&](Bytes piece) {
      written += piece.size();
      return stream.WriteAll(piece);
    });
    if (inflated) {
      stream.SetSize(written);
      stream.Seek(0);
      return true;
    }
  } catch (...) {
  }
  // The stream's buffer is normally large enough already, so putting the original back does not
  // allocate; should it fail all the same, no exception may escape.
  try {
    stream.Clear();
    stream.Write(original);
    stream.Seek(position);
  } catch (...) {
  }
  return false;
}

bool TZipHandler::CompressString(std::string& text) { return CompressBytes(BytesOf(text), text); }

bool TZipHandler::CompressBytes(std::span<const std::uint8_t> input, std::string& output) {
  last_error_ = msg::kOutOfMemory;
  try {
    Compressed compressed;
    if (!Deflate(input, compressed)) return false;
    output.assign(reinterpret_cast<const char*>(compressed.bytes.get()), compressed.size);
    return true;
  } catch (...) {
    return false;
  }
}

bool TZipHandler::DecompressString(std::string& text) { return InflateWhole(BytesOf(text), text); }

bool TZipHandler::DecompressBytes(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output) {
  return InflateWhole(input, output);
}

template <class Buffer>
bool TZipHandler::InflateWhole(Bytes input, Buffer& output) {
  last_error_ = msg::kOutOfMemory;
  try {
    Buffer inflated;
    inflated.reserve(ReservationFor(input, max_output_bytes_));
    const auto append = [&inflated](Bytes piece) {
      inflated.insert(inflated.end(), piece.begin(), piece.end());
      return true;
    };
    if (!Inflate(input, max_output_bytes_, append)) return false;
    output = std::move(inflated);
    return true;
  } catch (...) {
    return false;
  }
}

TZipHandler& ZipHandler() {
  static TZipHandler instance;
  return instance;
}

}  // namespace plorvane

#pragma once
// The compression helper: zlib streams (RFC 1950) at the fastest level, used for archive items
// and for the compressed parts of a card.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/limits.h"

namespace plorvane {

class MemoryStream;

class TZipHandler {
 public:
  // Decompression fails rather than produce more than `max_output_bytes`, so a small hostile
  // stream cannot make the program allocate without bound.
  explicit TZipHandler(std::int64_t max_output_bytes = limits::kMaxDecompressedBytes);

  // Each replaces the content with the result and leaves the position at 0. On failure the
  // content is unchanged and LastError says "Out of memory".
  bool CompressStream(MemoryStream& stream);
  // Decompresses the zlib data that starts at the stream's position; bytes after its end are
  // dropped. Truncated or damaged data fails.
  bool DecompressStream(MemoryStream& stream);
  bool CompressString(std::string& text);
  // Compresses `input` into `output` without copying the input first; `output` is unchanged on
  // failure.
  bool CompressBytes(std::span<const std::uint8_t> input, std::string& output);
  bool DecompressString(std::string& text);
  // Inflates `input` into `output` without copying the input first; `output` is unchanged on
  // failure.
  bool DecompressBytes(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output);

  [[nodiscard]] const std::string& LastError() const { return last_error_; }

 private:
  template <class Buffer>
  bool InflateWhole(std::span<const std::uint8_t> input, Buffer& output);

  std::int64_t max_output_bytes_;
  std::string last_error_;
};

// The one shared instance, made on first use.
TZipHandler& ZipHandler();

}  // namespace plorvane

#include "graphics/jpeg_codec.h"

// jpeglib.h uses FILE and size_t without including their headers.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <new>

#include "support/limits.h"

namespace plorvane {
namespace {

// Progressive files can hold thousands of tiny scans that cost time but add nothing.
constexpr int kMaxScans = 1000;
// Caps libjpeg's whole-image coefficient buffers (progressive and multi-scan files); a 64
// megapixel colour picture needs 384 MiB of them.
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;
constexpr std::size_t kFirstOutputChunk = 64 * 1024;

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to
// the setjmp in the Run* function, which lives in a frame that holds only trivially destructible
// locals; everything with a destructor lives in the caller's frame and is freed normally.
struct JumpTarget {
  std::jmp_buf jump{};
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(static_cast<JumpTarget*>(info->client_data)->jump, 1);
}

void IgnoreMessage(j_common_ptr /*info*/) {}

void InstallErrorHandling(jpeg_error_mgr& errors, JumpTarget& target, j_common_ptr info) {
  info->err = jpeg_std_error(&errors);
  errors.error_exit = JumpOnError;
  errors.output_message = IgnoreMessage;
  info->client_data = &target;
}

struct Decoder : JumpTarget {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  jpeg_progress_mgr progress{};
  Bitmap pixels;
  std::vector<std::uint8_t> cmyk_row;

  Decoder() = default;
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;
  // Safe on a zeroed struct too: libjpeg only frees what its memory manager holds.
  ~Decoder() { jpeg_destroy_decompress(&info); }
};

void LimitScans(j_common_ptr common) {
  const auto* info = reinterpret_cast<j_decompress_ptr>(common);
  if (info->input_scan_number > kMaxScans) JumpOnError(common);
}

bool WithinCaps(JDIMENSION width, JDIMENSION height) {
  return width <= static_cast<JDIMENSION>(limits::kMaxBitmapSide) &&
         height <= static_cast<JDIMENSION>(limits::kMaxBitmapSide) &&
         std::int64_t{width} * height <= limits::kMaxBitmapPixels;
}

// Reads the header into decoder.info. A false answer or a jump both mean failure.
bool StartHeader(Decoder& decoder, std::span<const std::uint8_t> file) {
  jpeg_create_decompress(&decoder.info);
  decoder.info.mem->max_memory_to_use = kMaxDecoderMemory;
  decoder.progress.progress_monitor = LimitScans;
  decoder.info.progress = &decoder.progress;
  jpeg_mem_src(&decoder.info, file.data(), static_cast<unsigned long>(file.size()));
  return jpeg_read_header(&decoder.info, TRUE) == JPEG_HEADER_OK &&
         WithinCaps(decoder.info.image_width, decoder.info.image_height);
}

// Adobe writes CMYK inverted; others write it plain.
void CmykToBgr(const std::uint8_t* in, std::uint8_t* out, int width, bool inverted) {
  for (int x = 0; x < width; ++x, in += 4, out += 3) {
    const unsigned c = inverted ? in[0] : 255u - in[0];
    const unsigned m = inverted ? in[1] : 255u - in[1];
    const unsigned y = inverted ? in[2] : 255u - in[2];
    const unsigned k = inverted ? in[3] : 255u - in[3];
    out[0] = static_cast<std::uint8_t>(y * k / 255);
    out[1] = static_cast<std::uint8_t>(m * k / 255);
    out[2] = static_cast<std::uint8_t>(c * k / 255);
  }
}

bool RunDecode(Decoder& decoder, std::span<const std::uint8_t> file) {
  InstallErrorHandling(decoder.errors, decoder, reinterpret_cast<j_common_ptr>(&decoder.info));
  if (setjmp(decoder.jump) != 0) return false;
  if (!StartHeader(decoder, file)) return false;

  jpeg_decompress_struct& info = decoder.info;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  if (!decoder.pixels.Resize(static_cast<int>(info.image_width), static_cast<int>(info.image_height))) return false;
  if (cmyk) decoder.cmyk_row.resize(static_cast<std::size_t>(info.image_width) * 4);
  jpeg_start_decompress(&info);
  if (info.output_width != info.image_width || info.output_height != info.image_height) return false;

  while (info.output_scanline < info.output_height) {
    const auto y = static_cast<int>(info.output_scanline);
    JSAMPROW row = cmyk ? decoder.cmyk_row.data() : decoder.pixels.scanline(y);
    if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
    if (cmyk) CmykToBgr(row, decoder.pixels.scanline(y), decoder.pixels.width(), info.saw_Adobe_marker != 0);
  }
  return true;
}

bool RunReadSize(Decoder& decoder, std::span<const std::uint8_t> file) {
  InstallErrorHandling(decoder.errors, decoder, reinterpret_cast<j_common_ptr>(&decoder.info));
  if (setjmp(decoder.jump) != 0) return false;
  return StartHeader(decoder, file);
}

// libjpeg's own memory destination cannot be freed reliably after an error, so the encoder
// writes into a vector it owns.
struct Encoder : JumpTarget {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  jpeg_destination_mgr destination{};
  std::vector<std::uint8_t> bytes;

  Encoder() = default;
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;
  ~Encoder() { jpeg_destroy_compress(&info); }

  static Encoder& Of(j_compress_ptr compress) {
    return static_cast<Encoder&>(*static_cast<JumpTarget*>(compress->client_data));
  }
  // Grows the buffer to `size` and hands libjpeg the part from `used` on. Failing to grow is a
  // libjpeg error; the jump happens outside the catch so no exception is left half handled.
  void Provide(std::size_t size, std::size_t used) {
    bool grown = true;
    try {
      bytes.resize(size);
    } catch (const std::bad_alloc&) {
      grown = false;
    }
    if (!grown) JumpOnError(reinterpret_cast<j_common_ptr>(&info));
    destination.next_output_byte = bytes.data() + used;
    destination.free_in_buffer = size - used;
  }
};

void InitDestination(j_compress_ptr compress) { Encoder::Of(compress).Provide(kFirstOutputChunk, 0); }

boolean EmptyOutputBuffer(j_compress_ptr compress) {
  Encoder& encoder = Encoder::Of(compress);
  const std::size_t full = encoder.bytes.size();
  encoder.Provide(full * 2, full);
  return TRUE;
}

void TermDestination(j_compress_ptr compress) {
  Encoder& encoder = Encoder::Of(compress);
  encoder.bytes.resize(encoder.bytes.size() - encoder.destination.free_in_buffer);
}

bool RunEncode(Encoder& encoder, const Bitmap& bitmap, int quality) {
  InstallErrorHandling(encoder.errors, encoder, reinterpret_cast<j_common_ptr>(&encoder.info));
  if (setjmp(encoder.jump) != 0) return false;

  jpeg_compress_struct& info = encoder.info;
  jpeg_create_compress(&info);
  encoder.destination.init_destination = InitDestination;
  encoder.destination.empty_output_buffer = EmptyOutputBuffer;
  encoder.destination.term_destination = TermDestination;
  info.dest = &encoder.destination;
  info.image_width = static_cast<JDIMENSION>(bitmap.width());
  info.image_height = static_cast<JDIMENSION>(bitmap.height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    // libjpeg takes rows as non-const but only reads them.
    JSAMPROW row = const_cast<std::uint8_t*>(bitmap.scanline(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> file, Bitmap& out) {
  try {
    Decoder decoder;
    if (!RunDecode(decoder, file)) return false;
    out = std::move(decoder.pixels);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool ReadJpegSize(std::span<const std::uint8_t> file, int& width, int& height) {
  Decoder decoder;
  if (!RunReadSize(decoder, file)) return false;
  width = static_cast<int>(decoder.info.image_width);
  height = static_cast<int>(decoder.info.image_height);
  return true;
}

bool EncodeJpeg(const Bitmap& bitmap, int quality, std::vector<std::uint8_t>& out) {
  if (bitmap.empty()) return false;
  try {
    Encoder encoder;
    if (!RunEncode(encoder, bitmap, std::clamp(quality, kMinJpegQuality, kMaxJpegQuality))) return false;
    out = std::move(encoder.bytes);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane

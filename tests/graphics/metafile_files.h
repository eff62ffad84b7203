#pragma once
// Enhanced and Windows metafiles assembled field by field for the tests, the fuzz seeds and the
// benchmark, independently of the readers under test.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace plorvane::test {

using FileBytes = std::vector<std::uint8_t>;

inline void Put16(FileBytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Put32(FileBytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

inline void PutText16(FileBytes& out, std::u16string_view text) {
  for (const char16_t unit : text) Put16(out, unit);
}

// A packed DIB: a 40-byte info header and 24-bit bottom-up rows of one colour (blue, green, red).
inline FileBytes SolidDib(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  FileBytes dib;
  Put32(dib, 40);
  Put32(dib, static_cast<std::uint32_t>(width));
  Put32(dib, static_cast<std::uint32_t>(height));
  Put16(dib, 1);
  Put16(dib, 24);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);  // compression, image size, resolutions, colours
  const int stride = (width * 3 + 3) / 4 * 4;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      dib.push_back(blue);
      dib.push_back(green);
      dib.push_back(red);
    }
    dib.insert(dib.end(), static_cast<std::size_t>(stride - width * 3), 0);
  }
  return dib;
}

// An enhanced metafile: the 88-byte header, then records of 32-bit fields or raw bodies.
class EmfFile {
 public:
  static constexpr std::uint32_t kSignature = 0x464D4520;

  // Bounds in reference-device pixels (inclusive), frame in hundredths of a millimetre.
  EmfFile(std::int32_t right, std::int32_t bottom, std::int32_t frame_right, std::int32_t frame_bottom) {
    Put32(bytes_, 1);
    Put32(bytes_, 88);
    for (const std::int32_t value : {0, 0, right, bottom, 0, 0, frame_right, frame_bottom})
      Put32(bytes_, static_cast<std::uint32_t>(value));
    Put32(bytes_, kSignature);
    Put32(bytes_, 0x10000);  // version
    Put32(bytes_, 0);        // bytes, not checked by readers
    Put32(bytes_, 0);        // records
    Put32(bytes_, 0);        // handles and reserved
    Put32(bytes_, 0);        // description length
    Put32(bytes_, 0);        // description offset
    Put32(bytes_, 0);        // palette entries
    for (const std::uint32_t value : {1024u, 768u, 320u, 240u}) Put32(bytes_, value);  // device, millimetres
  }

  EmfFile& Record(std::uint32_t type, std::initializer_list<std::int64_t> fields) {
    FileBytes body;
    for (const std::int64_t field : fields) Put32(body, static_cast<std::uint32_t>(field));
    return Raw(type, body);
  }

  // `body` follows the type and size; the size counts the whole record, padded to 4 bytes.
  EmfFile& Raw(std::uint32_t type, FileBytes body) {
    while (body.size() % 4 != 0) body.push_back(0);
    Put32(bytes_, type);
    Put32(bytes_, static_cast<std::uint32_t>(8 + body.size()));
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
  }

  EmfFile& End() { return Record(14, {0, 16, 20}); }
  [[nodiscard]] const FileBytes& bytes() const { return bytes_; }

 private:
  FileBytes bytes_;
};

// A Windows metafile: an optional placeable header, the 18-byte header, then records of 16-bit
// words or raw bodies.
class WmfFile {
 public:
  struct Placeable {
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t right = 0;
    std::int16_t bottom = 0;
    std::uint16_t units_per_inch = 96;
    bool good_checksum = true;
  };

  explicit WmfFile(std::optional<Placeable> placeable = std::nullopt, std::uint16_t objects = 8) {
    if (placeable) {
      FileBytes head;
      Put32(head, 0x9AC6CDD7);
      Put16(head, 0);  // handle
      for (const std::int16_t value : {placeable->left, placeable->top, placeable->right, placeable->bottom})
        Put16(head, static_cast<std::uint16_t>(value));
      Put16(head, placeable->units_per_inch);
      Put32(head, 0);  // reserved
      std::uint16_t checksum = 0;
      for (std::size_t i = 0; i < head.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(head[i] | (head[i + 1] << 8));
      Put16(head, placeable->good_checksum ? checksum : static_cast<std::uint16_t>(~checksum));
      bytes_ = head;
    }
    header_at_ = bytes_.size();
    Put16(bytes_, 1);       // in memory
    Put16(bytes_, 9);       // header words
    Put16(bytes_, 0x0300);  // version
    Put32(bytes_, 0);       // file words, patched by bytes()
    Put16(bytes_, objects);
    Put32(bytes_, 0);  // largest record
    Put16(bytes_, 0);
  }

  WmfFile& Record(std::uint16_t function, std::initializer_list<std::int32_t> words) {
    FileBytes body;
    for (const std::int32_t word : words) Put16(body, static_cast<std::uint32_t>(word) & 0xFFFF);
    return Raw(function, body);
  }

  // `body` follows the size and the function; the size counts the whole record in words.
  WmfFile& Raw(std::uint16_t function, FileBytes body) {
    if (body.size() % 2 != 0) body.push_back(0);
    Put32(bytes_, static_cast<std::uint32_t>(3 + body.size() / 2));
    Put16(bytes_, function);
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
  }

  WmfFile& End() { return Record(0x0000, {}); }

  [[nodiscard]] FileBytes bytes() const {
    FileBytes file = bytes_;
    const auto words = static_cast<std::uint32_t>((file.size() - header_at_) / 2);
    for (int i = 0; i < 4; ++i) file[header_at_ + 6 + i] = static_cast<std::uint8_t>(words >> (8 * i));
    return file;
  }

 private:
  FileBytes bytes_;
  std::size_t header_at_ = 0;
};

// The records of one Windows metafile function, for readability at the call sites.
namespace wmf {
inline constexpr std::uint16_t kSetBackgroundMode = 0x0102;
inline constexpr std::uint16_t kSetMapMode = 0x0103;
inline constexpr std::uint16_t kSetPolyFillMode = 0x0106;
inline constexpr std::uint16_t kRestoreDc = 0x0127;
inline constexpr std::uint16_t kSelectObject = 0x012D;
inline constexpr std::uint16_t kSetTextAlign = 0x012E;
inline constexpr std::uint16_t kDeleteObject = 0x01F0;
inline constexpr std::uint16_t kSetBackgroundColour = 0x0201;
inline constexpr std::uint16_t kSetTextColour = 0x0209;
inline constexpr std::uint16_t kSetWindowOrigin = 0x020B;
inline constexpr std::uint16_t kSetWindowExtent = 0x020C;
inline constexpr std::uint16_t kLineTo = 0x0213;
inline constexpr std::uint16_t kMoveTo = 0x0214;
inline constexpr std::uint16_t kCreatePen = 0x02FA;
inline constexpr std::uint16_t kCreateFont = 0x02FB;
inline constexpr std::uint16_t kCreateBrush = 0x02FC;
inline constexpr std::uint16_t kCreatePalette = 0x00F7;
inline constexpr std::uint16_t kSaveDc = 0x001E;
inline constexpr std::uint16_t kPolygon = 0x0324;
inline constexpr std::uint16_t kPolyline = 0x0325;
inline constexpr std::uint16_t kEllipse = 0x0418;
inline constexpr std::uint16_t kRectangle = 0x041B;
inline constexpr std::uint16_t kTextOut = 0x0521;
inline constexpr std::uint16_t kPolyPolygon = 0x0538;
inline constexpr std::uint16_t kRoundRect = 0x061C;
inline constexpr std::uint16_t kPatBlt = 0x061D;
inline constexpr std::uint16_t kPie = 0x081A;
inline constexpr std::uint16_t kDibBitBlt = 0x0940;
inline constexpr std::uint16_t kExtTextOut = 0x0A32;
inline constexpr std::uint16_t kDibStretchBlt = 0x0B41;
inline constexpr std::uint16_t kStretchDib = 0x0F43;
}  // namespace wmf

namespace emf {
inline constexpr std::uint32_t kPolygon = 3;
inline constexpr std::uint32_t kPolyline = 4;
inline constexpr std::uint32_t kPolyPolygon = 8;
inline constexpr std::uint32_t kSetWindowExtent = 9;
inline constexpr std::uint32_t kSetWindowOrigin = 10;
inline constexpr std::uint32_t kSetViewportExtent = 11;
inline constexpr std::uint32_t kSetViewportOrigin = 12;
inline constexpr std::uint32_t kSetMapMode = 17;
inline constexpr std::uint32_t kSetBackgroundMode = 18;
inline constexpr std::uint32_t kSetTextColour = 24;
inline constexpr std::uint32_t kMoveTo = 27;
inline constexpr std::uint32_t kSaveDc = 33;
inline constexpr std::uint32_t kRestoreDc = 34;
inline constexpr std::uint32_t kSelectObject = 37;
inline constexpr std::uint32_t kCreatePen = 38;
inline constexpr std::uint32_t kCreateBrush = 39;
inline constexpr std::uint32_t kDeleteObject = 40;
inline constexpr std::uint32_t kEllipse = 42;
inline constexpr std::uint32_t kRectangle = 43;
inline constexpr std::uint32_t kLineTo = 54;
inline constexpr std::uint32_t kBitBlt = 76;
inline constexpr std::uint32_t kStretchDibits = 81;
inline constexpr std::uint32_t kCreateFont = 82;
inline constexpr std::uint32_t kExtTextOutW = 84;
inline constexpr std::uint32_t kPolygon16 = 86;
inline constexpr std::uint32_t kPolylineTo16 = 89;
inline constexpr std::uint32_t kStockObject = 0x80000000;
}  // namespace emf

// An enhanced ExtTextOutW record body: the text at (x, y), with its string behind the fixed part.
inline FileBytes EmfTextBody(std::int32_t x, std::int32_t y, std::u16string_view text) {
  FileBytes body;
  for (int i = 0; i < 4; ++i) Put32(body, 0);  // bounds
  Put32(body, 1);                              // graphics mode
  Put32(body, 0);                              // x scale, y scale (floats, unused)
  Put32(body, 0);
  Put32(body, static_cast<std::uint32_t>(x));
  Put32(body, static_cast<std::uint32_t>(y));
  Put32(body, static_cast<std::uint32_t>(text.size()));
  Put32(body, 76);  // string offset from the record's start
  Put32(body, 0);   // options
  for (int i = 0; i < 4; ++i) Put32(body, 0);  // rectangle
  Put32(body, 0);                              // advances offset
  PutText16(body, text);
  return body;
}

// An enhanced ExtCreateFontIndirectW body: handle, then a LOGFONTW.
inline FileBytes EmfFontBody(std::uint32_t handle, std::int32_t height, std::int32_t weight, bool italic,
                             std::u16string_view face) {
  FileBytes body;
  Put32(body, handle);
  Put32(body, static_cast<std::uint32_t>(height));
  Put32(body, 0);  // width
  Put32(body, 0);  // escapement
  Put32(body, 0);  // orientation
  Put32(body, static_cast<std::uint32_t>(weight));
  body.push_back(italic ? 1 : 0);
  for (int i = 0; i < 7; ++i) body.push_back(0);  // underline .. pitch and family
  FileBytes name;
  PutText16(name, face);
  name.resize(64, 0);
  body.insert(body.end(), name.begin(), name.end());
  return body;
}

}  // namespace plorvane::test

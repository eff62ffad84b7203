#pragma once
// Whole metafiles built with metafile_files.h: one of each kind holding every record the readers
// decode (fuzz seeds, and drawings that must never crash a painter), and typical pictures of
// many shapes for the benchmark.

#include "graphics/metafile_files.h"

namespace plorvane::test {

inline FileBytes EveryEnhancedRecord() {
  FileBytes points;
  for (int i = 0; i < 4; ++i) Put32(points, 0);
  Put32(points, 4);
  for (const int coordinate : {5, 5, 90, 10, 80, 90, 10, 70}) Put16(points, static_cast<std::uint16_t>(coordinate));
  FileBytes parts;
  for (int i = 0; i < 4; ++i) Put32(parts, 0);
  for (const std::uint32_t value : {2u, 6u, 3u, 3u}) Put32(parts, value);
  for (const int coordinate : {0, 0, 20, 0, 0, 20, 50, 50, 70, 50, 50, 70})
    Put32(parts, static_cast<std::uint32_t>(coordinate));
  const FileBytes dib = SolidDib(2, 2, 0, 0, 255);
  FileBytes stretch;
  for (int i = 0; i < 4; ++i) Put32(stretch, 0);
  for (const std::uint32_t value : {60u, 60u, 0u, 0u, 2u, 2u, 80u, 40u, 120u, 16u, 0u, 0x00CC0020u, 20u, 20u})
    Put32(stretch, value);
  stretch.insert(stretch.end(), dib.begin(), dib.end());

  EmfFile file(99, 99, 2646, 2646);
  file.Record(emf::kSetMapMode, {8})
      .Record(emf::kSetWindowOrigin, {0, 0})
      .Record(emf::kSetWindowExtent, {100, 100})
      .Record(emf::kSetViewportOrigin, {0, 0})
      .Record(emf::kSetViewportExtent, {100, 100})
      .Record(emf::kCreateBrush, {1, 2, 0x00FF00, 3})
      .Record(emf::kSelectObject, {1})
      .Record(emf::kCreatePen, {2, 2, 2, 0, 0x800000})
      .Record(emf::kSelectObject, {2})
      .Raw(emf::kCreateFont, EmfFontBody(3, -12, 400, false, u"Sans"))
      .Record(emf::kSelectObject, {3})
      .Record(emf::kSetBackgroundMode, {2})
      .Record(emf::kSetTextColour, {0x0000FF})
      .Record(emf::kSaveDc, {})
      .Record(emf::kRectangle, {10, 10, 40, 40})
      .Record(emf::kEllipse, {50, 10, 90, 40})
      .Record(emf::kMoveTo, {0, 95})
      .Record(emf::kLineTo, {99, 95})
      .Raw(emf::kPolygon16, points)
      .Raw(emf::kPolyPolygon, parts)
      .Raw(emf::kStretchDibits, stretch)
      .Record(emf::kRestoreDc, {-1})
      .Raw(emf::kExtTextOutW, EmfTextBody(10, 60, u"Card"))
      .Record(emf::kDeleteObject, {1})
      .End();
  return file.bytes();
}

inline FileBytes EveryWindowsRecord(bool placeable) {
  FileBytes text;
  Put16(text, 4);
  for (const char c : std::string_view("Card")) text.push_back(static_cast<std::uint8_t>(c));
  Put16(text, 60);
  Put16(text, 10);
  FileBytes ext_text;
  for (const std::uint32_t word : {80u, 10u, 2u, 6u, 5u, 75u, 60u, 95u}) Put16(ext_text, word);
  ext_text.push_back('o');
  ext_text.push_back('k');
  FileBytes font;
  for (const std::uint32_t word : {static_cast<std::uint32_t>(-12) & 0xFFFF, 0u, 0u, 0u, 700u}) Put16(font, word);
  font.insert(font.end(), 8, 0);
  for (const char c : std::string_view("Serif")) font.push_back(static_cast<std::uint8_t>(c));
  const FileBytes dib = SolidDib(2, 2, 0, 0, 255);
  FileBytes stretch;
  for (const std::uint32_t word : {0x0020u, 0x00CCu, 0u, 2u, 2u, 0u, 0u, 20u, 20u, 60u, 60u}) Put16(stretch, word);
  stretch.insert(stretch.end(), dib.begin(), dib.end());

  WmfFile file(placeable ? std::optional<WmfFile::Placeable>(WmfFile::Placeable{0, 0, 100, 100, 96, true})
                         : std::nullopt);
  file.Record(wmf::kSetMapMode, {8})
      .Record(wmf::kSetWindowOrigin, {0, 0})
      .Record(wmf::kSetWindowExtent, {100, 100})
      .Record(wmf::kCreateBrush, {0, 0x00FF, 0, 0})
      .Record(wmf::kSelectObject, {0})
      .Record(wmf::kCreatePen, {0, 2, 0, 0x0000, 0x0080})
      .Record(wmf::kSelectObject, {1})
      .Raw(wmf::kCreateFont, font)
      .Record(wmf::kSelectObject, {2})
      .Record(wmf::kSetBackgroundMode, {1})
      .Record(wmf::kSetTextColour, {0xFF00, 0})
      .Record(wmf::kSetTextAlign, {0})
      .Record(wmf::kSetPolyFillMode, {1})
      .Record(wmf::kSaveDc, {})
      .Record(wmf::kRectangle, {40, 40, 10, 10})
      .Record(wmf::kEllipse, {40, 90, 10, 50})
      .Record(wmf::kRoundRect, {5, 5, 90, 40, 50, 10})
      .Record(wmf::kPie, {90, 70, 50, 90, 99, 99, 50, 50})
      .Record(wmf::kMoveTo, {95, 0})
      .Record(wmf::kLineTo, {95, 99})
      .Record(wmf::kPolygon, {3, 50, 50, 70, 50, 50, 70})
      .Record(wmf::kPolyline, {2, 0, 99, 99, 0})
      .Record(wmf::kPolyPolygon, {2, 3, 3, 0, 0, 20, 0, 0, 20, 50, 50, 70, 50, 50, 70})
      .Raw(wmf::kStretchDib, stretch)
      .Record(wmf::kPatBlt, {0x0021, 0x00F0, 5, 5, 0, 0})
      .Record(wmf::kRestoreDc, {-1})
      .Raw(wmf::kTextOut, text)
      .Raw(wmf::kExtTextOut, ext_text)
      .Record(wmf::kDeleteObject, {0})
      .End();
  return file.bytes();
}

// A picture of `shapes` groups of a brush, a filled polygon, a line and a text: four to six
// records each, 640 by 480 logical units.
inline FileBytes TypicalWindowsMetafile(int shapes) {
  WmfFile file(WmfFile::Placeable{0, 0, 640, 480, 96, true});
  file.Record(wmf::kSetMapMode, {8})
      .Record(wmf::kSetWindowOrigin, {0, 0})
      .Record(wmf::kSetWindowExtent, {480, 640})
      .Record(wmf::kSetBackgroundMode, {1})
      .Record(wmf::kCreatePen, {0, 1, 0, 0x3333, 0x0033})
      .Record(wmf::kSelectObject, {0});
  for (int i = 0; i < shapes; ++i) {
    const int x = (i * 37) % 600;
    const int y = (i * 53) % 440;
    const auto colour = static_cast<std::int32_t>((static_cast<std::uint32_t>(i) * 0x2F1B3D) & 0xFFFFFF);
    file.Record(wmf::kCreateBrush, {0, colour & 0xFFFF, colour >> 16, 0})
        .Record(wmf::kSelectObject, {1})
        .Record(wmf::kPolygon, {5, x, y, x + 40, y + 5, x + 35, y + 40, x + 10, y + 30, x - 5, y + 15})
        .Record(wmf::kMoveTo, {y, x})
        .Record(wmf::kLineTo, {y + 40, x + 40});
    if (i % 4 == 0) {
      FileBytes text;
      Put16(text, 6);
      for (const char c : std::string_view("Wishes")) text.push_back(static_cast<std::uint8_t>(c));
      Put16(text, static_cast<std::uint32_t>(y + 10));
      Put16(text, static_cast<std::uint32_t>(x));
      file.Raw(wmf::kTextOut, text);
    }
    file.Record(wmf::kDeleteObject, {1});
  }
  return file.End().bytes();
}

}  // namespace plorvane::test

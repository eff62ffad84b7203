#include "graphics/emf_reader.h"

#include <gtest/gtest.h>

#include "graphics/metafile_files.h"
#include "graphics/metafile_reader.h"
#include "graphics/metafile_samples.h"

namespace plorvane::metafile {
namespace {

using test::EmfFile;
using test::FileBytes;
namespace emf = test::emf;

std::vector<Command> CommandsOf(const FileBytes& file) {
  const std::optional<Drawing> drawing = ReadEnhancedMetafile(file);
  EXPECT_TRUE(drawing.has_value());
  if (!drawing) return {};
  EXPECT_FALSE(drawing->cut_short);
  return drawing->commands;
}

TEST(EmfReaderTest, RecordsDecodeIntoCommands) {
  FileBytes polygon_body;
  for (int i = 0; i < 4; ++i) test::Put32(polygon_body, 0);  // bounds
  test::Put32(polygon_body, 3);
  for (const int coordinate : {1, 2, -3, 4, 5, -6}) test::Put16(polygon_body, static_cast<std::uint16_t>(coordinate));

  FileBytes parts_body;
  for (int i = 0; i < 4; ++i) test::Put32(parts_body, 0);
  for (const std::uint32_t value : {2u, 3u, 1u, 2u}) test::Put32(parts_body, value);  // 2 parts, 3 points: 1 + 2
  for (const int coordinate : {7, 8, 9, 10, 11, 12}) test::Put32(parts_body, static_cast<std::uint32_t>(coordinate));

  EmfFile file(99, 99, 2646, 2646);
  file.Record(emf::kCreateBrush, {1, 0, 0x0000FF, 0})
      .Record(emf::kSelectObject, {1})
      .Record(emf::kCreatePen, {2, 1, 3, 0, 0xFF0000})
      .Record(emf::kSelectObject, {2})
      .Record(emf::kSelectObject, {emf::kStockObject | 8})
      .Raw(emf::kCreateFont, test::EmfFontBody(3, -20, 700, true, u"Serif"))
      .Record(emf::kSelectObject, {3})
      .Record(emf::kSetMapMode, {8})
      .Record(emf::kSetWindowExtent, {200, -100})
      .Record(emf::kSetBackgroundMode, {1})
      .Record(emf::kSetTextColour, {0x00FF00})
      .Record(emf::kSaveDc, {})
      .Record(emf::kRestoreDc, {-1})
      .Record(emf::kRectangle, {10, 20, 30, 40})
      .Record(emf::kEllipse, {1, 2, 3, 4})
      .Record(emf::kMoveTo, {5, 6})
      .Record(emf::kLineTo, {7, 8})
      .Raw(emf::kPolygon16, polygon_body)
      .Raw(emf::kPolyPolygon, parts_body)
      .Raw(emf::kExtTextOutW, test::EmfTextBody(15, 25, u"Hi \u20AC"))
      .End();

  const std::vector<Command> expected = {
      SelectBrush{{MakeColour(255, 0, 0), BrushStyle::kSolid}},
      SelectPen{{MakeColour(0, 0, 255), 3, PenStyle::kDash}},
      SelectPen{{kBlack, 0, PenStyle::kNull}},
      SelectFont{{-20, 0, 700, true, false, false, u"Serif"}},
      SetMapMode{MapMode::kAnisotropic},
      SetMapping{MappingField::kWindowExtent, {200, -100}},
      SetBackgroundOpaque{false},
      SetTextColour{MakeColour(0, 255, 0)},
      SaveState{},
      RestoreState{-1},
      Rectangle{{10, 20, 30, 40}},
      Ellipse{{1, 2, 3, 4}},
      MoveTo{{5, 6}},
      LineTo{{7, 8}},
      Polygon{{{1, 2}, {-3, 4}, {5, -6}}},
      PolyPolygon{{{{7, 8}}, {{9, 10}, {11, 12}}}, true},
      Text{{15, 25}, u"Hi \u20AC", std::nullopt, std::nullopt},
  };
  EXPECT_EQ(CommandsOf(file.bytes()), expected);
}

TEST(EmfReaderTest, ObjectsAreFoundByTheirIndexUntilDeleted) {
  EmfFile file(9, 9, 265, 265);
  file.Record(emf::kCreateBrush, {4, 0, 0x000011, 0})
      .Record(emf::kCreateBrush, {4, 0, 0x000022, 0})  // the same index again replaces it
      .Record(emf::kSelectObject, {4})
      .Record(emf::kDeleteObject, {4})
      .Record(emf::kSelectObject, {4})                // deleted: selects nothing
      .Record(emf::kCreateBrush, {0xFFFFFF, 0, 0x33, 0})  // beyond the object cap: not kept
      .Record(emf::kSelectObject, {0xFFFFFF})
      .Record(emf::kSelectObject, {emf::kStockObject | 99})  // no such stock object
      .End();
  const std::vector<Command> expected = {SelectBrush{{0x000022, BrushStyle::kSolid}}};
  EXPECT_EQ(CommandsOf(file.bytes()), expected);
}

TEST(EmfReaderTest, StretchDibitsCarriesTheDecodedBitmap) {
  const FileBytes dib = test::SolidDib(2, 3, 200, 100, 50);
  FileBytes body;
  for (int i = 0; i < 4; ++i) test::Put32(body, 0);  // bounds
  for (const std::int64_t value : {10, 20, 0, 1, 2, 2}) test::Put32(body, static_cast<std::uint32_t>(value));
  test::Put32(body, 80);                             // header offset
  test::Put32(body, 40);                             // header size
  test::Put32(body, 120);                            // pixels offset
  test::Put32(body, static_cast<std::uint32_t>(dib.size() - 40));
  test::Put32(body, 0);           // colour usage
  test::Put32(body, 0x00CC0020);  // source copy
  test::Put32(body, 4);           // destination width
  test::Put32(body, 6);           // destination height
  body.insert(body.end(), dib.begin(), dib.end());
  EmfFile file(9, 9, 265, 265);
  file.Raw(emf::kStretchDibits, body).End();

  const std::vector<Command> commands = CommandsOf(file.bytes());
  ASSERT_EQ(commands.size(), 1u);
  const auto* blit = std::get_if<DrawBitmap>(&commands[0]);
  ASSERT_NE(blit, nullptr);
  EXPECT_EQ(blit->dest, (Box{10, 20, 4, 6}));
  // Rows 1 and 2 counted from the bottom of a 3-row bitmap are rows 0 and 1 from the top.
  EXPECT_EQ(blit->source, (Box{0, 0, 2, 2}));
  EXPECT_EQ(blit->pixels.width(), 2);
  EXPECT_EQ(blit->pixels.GetPixel(1, 2), MakeColour(200, 100, 50));
}

// Each damaged file keeps the commands before the damage and stops there.
TEST(EmfReaderTest, DamagedRecordsEndTheReadingWithoutReadingOutside) {
  const auto with_last = [](std::uint32_t type, const FileBytes& body, std::optional<std::uint32_t> size) {
    EmfFile file(9, 9, 265, 265);
    file.Record(emf::kRectangle, {1, 2, 3, 4}).Raw(type, body);
    FileBytes bytes = file.bytes();
    if (size) {
      const std::size_t at = bytes.size() - body.size() - (body.size() % 4 == 0 ? 0 : 4 - body.size() % 4) - 4;
      for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(*size >> (8 * i));
    }
    return bytes;
  };
  FileBytes huge_polygon(20, 0);
  huge_polygon[16] = 0xFF;
  huge_polygon[17] = 0xFF;
  huge_polygon[18] = 0xFF;
  huge_polygon[19] = 0x7F;
  FileBytes parts_that_disagree(28, 0);
  parts_that_disagree[16] = 1;  // one part of no points, but five points in all
  parts_that_disagree[20] = 5;
  FileBytes text_outside = test::EmfTextBody(0, 0, u"abc");
  text_outside[40] = 0xF0;  // string offset far past the record
  const struct {
    const char* name;
    FileBytes file;
  } cases[] = {
      {"size 0", with_last(emf::kRectangle, FileBytes(16, 0), 0)},
      {"size below the record's minimum", with_last(emf::kRectangle, FileBytes(16, 0), 16)},
      {"size not a multiple of 4", with_last(emf::kRectangle, FileBytes(16, 0), 26)},
      {"size beyond the end", with_last(emf::kRectangle, FileBytes(16, 0), 0x7FFFFFF0)},
      {"huge point count", with_last(emf::kPolygon16, huge_polygon, std::nullopt)},
      {"part counts that disagree", with_last(emf::kPolyPolygon, parts_that_disagree, std::nullopt)},
      {"text outside its record", with_last(emf::kExtTextOutW, text_outside, std::nullopt)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<Drawing> drawing = ReadEnhancedMetafile(c.file);
    ASSERT_TRUE(drawing.has_value());
    EXPECT_TRUE(drawing->cut_short);
    const std::vector<Command> expected = {Rectangle{{1, 2, 3, 4}}};
    EXPECT_EQ(drawing->commands, expected);
  }
}

TEST(EmfReaderTest, EveryTruncationReadsOrRefusesSafely) {
  EmfFile file(9, 9, 265, 265);
  file.Record(emf::kCreateBrush, {1, 0, 0x0000FF, 0})
      .Record(emf::kSelectObject, {1})
      .Raw(emf::kExtTextOutW, test::EmfTextBody(1, 1, u"text"))
      .End();
  const FileBytes whole = file.bytes();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const FileBytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const std::optional<Drawing> drawing = ReadEnhancedMetafile(cut);
    EXPECT_EQ(drawing.has_value(), size >= 88) << size;
    if (drawing) {
      EXPECT_TRUE(drawing->cut_short) << size;
    }
  }
}

TEST(EmfReaderTest, HeadersThatAreNotEnhancedMetafilesAreRefused) {
  FileBytes short_header = EmfFile(9, 9, 265, 265).bytes();
  short_header[4] = 84;  // a header record smaller than the header
  FileBytes no_signature = EmfFile(9, 9, 265, 265).bytes();
  no_signature[40] = 'X';
  FileBytes header_past_end = EmfFile(9, 9, 265, 265).bytes();
  header_past_end[5] = 1;  // 344 bytes
  for (const FileBytes& file : {FileBytes{}, FileBytes{1, 0, 0, 0}, short_header, no_signature, header_past_end})
    EXPECT_FALSE(ReadMetafile(file).has_value());
}

TEST(EmfReaderTest, TheCommandCapStopsTheReading) {
  EmfFile file(9, 9, 265, 265);
  for (std::size_t i = 0; i <= kMaxCommands; ++i) file.Record(emf::kSaveDc, {});
  file.End();
  const std::optional<Drawing> drawing = ReadEnhancedMetafile(file.bytes());
  ASSERT_TRUE(drawing.has_value());
  EXPECT_TRUE(drawing->cut_short);
  EXPECT_EQ(drawing->commands.size(), kMaxCommands);
}

// The fuzz seed is worth its name only when every record in it decodes.
TEST(EmfReaderTest, TheSampleOfEveryRecordReadsWhole) {
  EXPECT_EQ(CommandsOf(test::EveryEnhancedRecord()).size(), 20u);
}

}  // namespace
}  // namespace plorvane::metafile

#include "graphics/wmf_reader.h"

#include <gtest/gtest.h>

#include "graphics/metafile_files.h"
#include "graphics/metafile_reader.h"
#include "graphics/metafile_samples.h"

namespace plorvane::metafile {
namespace {

using test::FileBytes;
using test::WmfFile;
namespace wmf = test::wmf;

constexpr WmfFile::Placeable kBox{-10, -20, 90, 80, 1440, true};

std::vector<Command> CommandsOf(const FileBytes& file) {
  const std::optional<Drawing> drawing = ReadWindowsMetafile(file);
  EXPECT_TRUE(drawing.has_value());
  if (!drawing) return {};
  EXPECT_FALSE(drawing->cut_short);
  return drawing->commands;
}

FileBytes Words(std::initializer_list<std::int32_t> words) {
  FileBytes body;
  for (const std::int32_t word : words) test::Put16(body, static_cast<std::uint32_t>(word) & 0xFFFF);
  return body;
}

FileBytes FontBody(std::int16_t height, std::int16_t weight, std::string_view face) {
  FileBytes body = Words({height, 0, 0, 0, weight});
  for (const std::uint8_t byte : {1, 0, 0, 0, 0, 0, 0, 0}) body.push_back(byte);  // italic, ...
  body.insert(body.end(), face.begin(), face.end());
  body.push_back(0);
  return body;
}

TEST(WmfReaderTest, RecordsDecodeIntoCommands) {
  FileBytes text = Words({3});
  for (const std::uint8_t byte : {0x61, 0x80, 0x63, 0x00}) text.push_back(byte);  // "a", 0x80, "c", padded to words
  const FileBytes point = Words({40, 30});                                     // y, x
  text.insert(text.end(), point.begin(), point.end());
  FileBytes ext_text = Words({5, 6, 2, 0x0002, 1, 2, 3, 4});  // y, x, length, opaque, rectangle
  ext_text.push_back('o');
  ext_text.push_back('k');

  WmfFile file(kBox);
  file.Record(wmf::kCreatePen, {2, 4, 0, 0x00FF, 0x0000})  // dot pen 4 wide, red
      .Record(wmf::kCreateBrush, {2, 0xFF00, 0x0000, 4})   // green cross hatch
      .Raw(wmf::kCreateFont, FontBody(-16, 700, "Sans"))
      .Record(wmf::kSelectObject, {0})
      .Record(wmf::kSelectObject, {1})
      .Record(wmf::kSelectObject, {2})
      .Record(wmf::kSetMapMode, {8})
      .Record(wmf::kSetWindowOrigin, {-20, -10})
      .Record(wmf::kSetWindowExtent, {100, 100})
      .Record(wmf::kSetBackgroundMode, {1})
      .Record(wmf::kSetTextColour, {0x0000, 0x00FF})  // blue
      .Record(wmf::kSetPolyFillMode, {2})
      .Record(wmf::kSaveDc, {})
      .Record(wmf::kRestoreDc, {-1})
      .Record(wmf::kRectangle, {40, 30, 20, 10})  // bottom, right, top, left
      .Record(wmf::kEllipse, {4, 3, 2, 1})
      .Record(wmf::kRoundRect, {6, 8, 40, 30, 20, 10})
      .Record(wmf::kPie, {1, 2, 3, 4, 40, 30, 20, 10})
      .Record(wmf::kMoveTo, {2, 1})
      .Record(wmf::kLineTo, {4, 3})
      .Record(wmf::kPolygon, {3, 1, 2, -3, 4, 5, -6})
      .Record(wmf::kPolyline, {2, 0, 0, 9, 9})
      .Record(wmf::kPolyPolygon, {2, 1, 2, 7, 8, 9, 10, 11, 12})
      .Raw(wmf::kTextOut, text)
      .Raw(wmf::kExtTextOut, ext_text)
      .End();

  const std::vector<Command> expected = {
      SelectPen{{MakeColour(255, 0, 0), 4, PenStyle::kDot}},
      SelectBrush{{MakeColour(0, 255, 0), BrushStyle::kCross}},
      SelectFont{{-16, 0, 700, true, false, false, u"Sans"}},
      SetMapMode{MapMode::kAnisotropic},
      SetMapping{MappingField::kWindowOrigin, {-10, -20}},
      SetMapping{MappingField::kWindowExtent, {100, 100}},
      SetBackgroundOpaque{false},
      SetTextColour{MakeColour(0, 0, 255)},
      SetWindingFill{true},
      SaveState{},
      RestoreState{-1},
      Rectangle{{10, 20, 30, 40}},
      Ellipse{{1, 2, 3, 4}},
      RoundRect{{10, 20, 30, 40}, {8, 6}},
      Arc{ArcKind::kPie, {10, 20, 30, 40}, {4, 3}, {2, 1}},
      MoveTo{{1, 2}},
      LineTo{{3, 4}},
      Polygon{{{1, 2}, {-3, 4}, {5, -6}}},
      Polyline{{{0, 0}, {9, 9}}, false},
      PolyPolygon{{{{7, 8}}, {{9, 10}, {11, 12}}}, true},
      Text{{30, 40}, u"a\u20ACc", std::nullopt, std::nullopt},
      Text{{6, 5}, u"ok", Rect{1, 2, 3, 4}, std::nullopt},
  };
  EXPECT_EQ(CommandsOf(file.bytes()), expected);
}

TEST(WmfReaderTest, ObjectsTakeTheLowestFreeIndex) {
  WmfFile file;
  file.Record(wmf::kCreateBrush, {0, 0x0011, 0, 0})  // index 0
      .Record(wmf::kCreatePalette, {})               // index 1: held, not drawn
      .Record(wmf::kCreateBrush, {0, 0x0022, 0, 0})  // index 2
      .Record(wmf::kDeleteObject, {0})
      .Record(wmf::kCreateBrush, {0, 0x0033, 0, 0})  // index 0 again
      .Record(wmf::kSelectObject, {0})
      .Record(wmf::kSelectObject, {1})
      .Record(wmf::kSelectObject, {2})
      .Record(wmf::kSelectObject, {3})  // never created
      .End();
  const std::vector<Command> expected = {SelectBrush{{0x000033, BrushStyle::kSolid}},
                                         SelectBrush{{0x000022, BrushStyle::kSolid}}};
  EXPECT_EQ(CommandsOf(file.bytes()), expected);
}

TEST(WmfReaderTest, BitBlitsCarryTheirBitmapsOrFillBoxes) {
  const FileBytes dib = test::SolidDib(2, 2, 10, 20, 30);
  FileBytes stretch = Words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 50, 60, 7, 8});  // source copy, RGB, ...
  stretch.insert(stretch.end(), dib.begin(), dib.end());
  FileBytes masked = Words({0x00C6, 0x0088, 2, 2, 0, 0, 5, 5, 0, 0});  // and-ing a mask: not drawn
  masked.insert(masked.end(), dib.begin(), dib.end());

  WmfFile file;
  file.Raw(wmf::kStretchDib, stretch)
      .Raw(wmf::kDibStretchBlt, masked)
      .Record(wmf::kDibStretchBlt, {0x0021, 0x00F0, 0, 0, 0, 0, 0, 4, 3, 2, 1})  // pattern copy, no bitmap
      .Record(wmf::kPatBlt, {0x0062, 0x00FF, 10, 20, 30, 40})                    // whiteness
      .End();
  const std::vector<Command> commands = CommandsOf(file.bytes());
  ASSERT_EQ(commands.size(), 3u);
  const auto* blit = std::get_if<DrawBitmap>(&commands[0]);
  ASSERT_NE(blit, nullptr);
  EXPECT_EQ(blit->dest, (Box{8, 7, 60, 50}));
  EXPECT_EQ(blit->source, (Box{0, 0, 2, 2}));
  EXPECT_EQ(blit->pixels.GetPixel(0, 0), MakeColour(10, 20, 30));
  EXPECT_EQ(commands[1], Command(FillBox{{1, 2, 3, 4}, FillWith::kBrush}));
  EXPECT_EQ(commands[2], Command(FillBox{{40, 30, 20, 10}, FillWith::kWhite}));
}

TEST(WmfReaderTest, PlaceableHeaderGivesTheFrameWhateverItsChecksum) {
  for (const bool good_checksum : {true, false}) {
    WmfFile::Placeable box = kBox;
    box.good_checksum = good_checksum;
    const std::optional<Drawing> drawing = ReadMetafile(WmfFile(box).End().bytes());
    ASSERT_TRUE(drawing.has_value());
    EXPECT_EQ(drawing->kind, Kind::kWindows);
    EXPECT_EQ(drawing->frame, (Rect{-10, -20, 90, 80}));
  }
  const std::optional<Drawing> plain = ReadMetafile(WmfFile().End().bytes());
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(plain->frame, Rect{});
}

TEST(WmfReaderTest, DamagedRecordsEndTheReadingWithoutReadingOutside) {
  const auto with_last = [](std::uint16_t function, const FileBytes& body, std::optional<std::uint32_t> words) {
    WmfFile file;
    file.Record(wmf::kRectangle, {4, 3, 2, 1}).Raw(function, body);
    FileBytes bytes = file.bytes();
    if (words) {
      const std::size_t at = bytes.size() - body.size() - 6;
      for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(*words >> (8 * i));
    }
    return bytes;
  };
  const FileBytes rectangle = Words({4, 3, 2, 1});
  const struct {
    const char* name;
    FileBytes file;
  } cases[] = {
      {"size 0", with_last(wmf::kRectangle, rectangle, 0)},
      {"size below a record head", with_last(wmf::kRectangle, rectangle, 2)},
      {"size below the record's minimum", with_last(wmf::kRectangle, rectangle, 5)},
      {"size beyond the end", with_last(wmf::kRectangle, rectangle, 0x7FFFFFFF)},
      {"huge point count", with_last(wmf::kPolygon, Words({0xFFFF, 1, 2}), std::nullopt)},
      {"polygon counts beyond the points", with_last(wmf::kPolyPolygon, Words({2, 3, 0x7000, 1, 2}), std::nullopt)},
      {"polygon count beyond the record", with_last(wmf::kPolyPolygon, Words({0xFFFF}), std::nullopt)},
      {"text longer than its record", with_last(wmf::kTextOut, Words({0x7FFF, 0x4141}), std::nullopt)},
      {"extended text longer than its record", with_last(wmf::kExtTextOut, Words({0, 0, 500, 0}), std::nullopt)},
      {"rectangle of an extended text missing", with_last(wmf::kExtTextOut, Words({0, 0, 0, 4}), std::nullopt)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<Drawing> drawing = ReadWindowsMetafile(c.file);
    ASSERT_TRUE(drawing.has_value());
    EXPECT_TRUE(drawing->cut_short);
    const std::vector<Command> expected = {Rectangle{{1, 2, 3, 4}}};
    EXPECT_EQ(drawing->commands, expected);
  }
}

TEST(WmfReaderTest, EveryTruncationReadsOrRefusesSafely) {
  WmfFile file(kBox);
  file.Record(wmf::kCreateBrush, {0, 0x00FF, 0, 0})
      .Record(wmf::kSelectObject, {0})
      .Record(wmf::kPolygon, {3, 0, 0, 10, 0, 10, 10})
      .End();
  const FileBytes whole = file.bytes();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const FileBytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const std::optional<Drawing> drawing = ReadWindowsMetafile(cut);
    EXPECT_EQ(drawing.has_value(), size >= 22 + 18) << size;
    if (drawing) {
      EXPECT_TRUE(drawing->cut_short) << size;
    }
  }
}

TEST(WmfReaderTest, HeadersThatAreNotWindowsMetafilesAreRefused) {
  FileBytes bad_type = WmfFile().End().bytes();
  bad_type[0] = 3;
  FileBytes bad_header_size = WmfFile().End().bytes();
  bad_header_size[2] = 10;
  FileBytes placeable_only = WmfFile(kBox).bytes();
  placeable_only.resize(22);
  for (const FileBytes& file : {FileBytes{}, FileBytes{1, 0, 9}, bad_type, bad_header_size, placeable_only})
    EXPECT_FALSE(ReadMetafile(file).has_value());
}

// The fuzz seeds are worth their name only when every record in them decodes.
TEST(WmfReaderTest, TheSamplesOfEveryRecordReadWhole) {
  for (const bool placeable : {true, false}) EXPECT_EQ(CommandsOf(test::EveryWindowsRecord(placeable)).size(), 25u);
}

}  // namespace
}  // namespace plorvane::metafile

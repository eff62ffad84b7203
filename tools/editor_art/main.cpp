// plorvane_editor_art FOLDER: draws the pictures and tool-button glyphs the editor carries, into
// FOLDER: A.JPG (splash), B.JPG (about picture) and tool_glyphs.cpp (the glyphs as text
// pictures). The library's files come from tools/library_pictures and tools/library_media.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "graphics/jpeg_codec.h"
#include "pictures.h"
#include "streaming/memory_stream.h"
#include "support/file_io.h"
#include "texttools/text_picture.h"
#include "tool_glyphs_art.h"
#include "editor/resources/tool_glyphs.h"
#include "texttools/ui/tool_window_glyphs.h"

namespace {

using namespace plorvane;

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (WriteFileReplacing(path, bytes) == FileResult::kOk) return true;
  std::fprintf(stderr, "editor_art: cannot write %s\n", path.c_str());
  return false;
}

bool WriteJpeg(const std::string& path, const Bitmap& picture) {
  std::vector<std::uint8_t> jpeg;
  return EncodeJpeg(picture, 90, jpeg) && WriteBytes(path, jpeg);
}

// A glyph as a 4-bit text picture.
std::string GlyphText(const Bitmap& glyph) {
  TTextPicture picture;
  picture.Assign(glyph);
  picture.SetDepth(4);
  MemoryStream text;
  picture.SaveToStream(text);
  return std::string(text.bytes().begin(), text.bytes().end());
}

// The generated source of ToolGlyphText and ToolWindowGlyphText: one raw string literal per glyph.
bool WriteGlyphSource(const std::string& path) {
  std::string source =
      "// Made by plorvane_editor_art; do not edit.\n#include \"editor/resources/tool_glyphs.h\"\n"
      "#include \"texttools/ui/tool_window_glyphs.h\"\n\n"
      "namespace plorvane {\n\nstd::string_view ToolGlyphText(int tag) {\n  switch (tag) {\n";
  for (int tag = 1; tag <= kToolGlyphCount; ++tag) {
    source += "    case " + std::to_string(tag) + ":\n      return R\"glyph(" + GlyphText(art::DrawToolGlyph(tag)) +
              ")glyph\";\n";
  }
  source += "    default:\n      return {};\n  }\n}\n\n";
  source += "std::string_view ToolWindowGlyphText(ToolWindowGlyph glyph) {\n  switch (static_cast<int>(glyph)) {\n";
  for (int glyph = 0; glyph < kToolWindowGlyphCount; ++glyph) {
    source += "    case " + std::to_string(glyph) + ":\n      return R\"glyph(" +
              GlyphText(art::DrawToolWindowGlyph(static_cast<ToolWindowGlyph>(glyph))) + ")glyph\";\n";
  }
  source += "    default:\n      return {};\n  }\n}\n\n}  // namespace plorvane\n";
  return WriteBytes(path, std::vector<std::uint8_t>(source.begin(), source.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const bool written = WriteJpeg(folder + "/A.JPG", art::DrawSplash()) &&
                       WriteJpeg(folder + "/B.JPG", art::DrawAboutPicture()) &&
                       WriteGlyphSource(folder + "/tool_glyphs.cpp");
  return written ? 0 : 1;
}

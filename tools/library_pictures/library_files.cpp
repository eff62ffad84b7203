#include "library_files.h"

#include <cstdint>
#include <vector>

#include "cursors.h"
#include "graphics/ico_codec.h"
#include "graphics/jpeg_codec.h"
#include "icons.h"
#include "pictures.h"
#include "support/file_io.h"

namespace plorvane::art {

namespace {

constexpr int kJpegQuality = 90;

struct PictureArt {
  const char* name;
  Bitmap (*draw)();
};

constexpr PictureArt kPictures[] = {
    {"Spring Blossoms", DrawSpringBlossoms},   {"Summer Beach", DrawSummerBeach},
    {"Autumn Leaves", DrawAutumnLeaves},       {"Winter Night", DrawWinterNight},
    {"Birthday Balloons", DrawBirthdayBalloons}, {"Birthday Cake", DrawBirthdayCake},
    {"Congratulations", DrawCongratulations},  {"Wedding Rings", DrawWeddingRings},
    {"Love Hearts", DrawLoveHearts},           {"Thank You Flowers", DrawThankYouFlowers},
    {"New Baby Stars", DrawNewBabyStars},      {"Get Well Rainbow", DrawGetWellRainbow},
    {"Christmas Tree", DrawChristmasTree},     {"New Year Fireworks", DrawNewYearFireworks},
    {"Easter Eggs", DrawEasterEggs},           {"Halloween Pumpkins", DrawHalloweenPumpkins},
};

bool Write(const std::string& folder, const std::string& name, const std::vector<std::uint8_t>& bytes,
           std::string& failed) {
  if (!bytes.empty() && WriteFileReplacing(folder + "/" + name, bytes) == FileResult::kOk) return true;
  failed = name;
  return false;
}

}  // namespace

bool WriteLibraryPictures(const std::string& folder, std::string& failed) {
  for (const PictureArt& picture : kPictures) {
    std::vector<std::uint8_t> jpeg;
    if (!EncodeJpeg(picture.draw(), kJpegQuality, jpeg)) jpeg.clear();
    if (!Write(folder, std::string(picture.name) + ".jpg", jpeg, failed)) return false;
  }
  for (const IconArt& icon : Icons()) {
    Layer layer(kIconSide, kIconSide, kWhite, 0);
    icon.draw(layer);
    const CursorFrame large = layer.ToFrame({kIconSide / 2, kIconSide / 2});
    const CursorFrame sizes[] = {large, HalfSize(large)};
    if (!Write(folder, icon.name + ".ico", EncodeIconFile(sizes, kIconFileType), failed)) return false;
  }
  for (const AnimatedCursorArt& cursor : AnimatedCursors()) {
    if (!Write(folder, cursor.name + ".ani", EncodeAniFile(cursor.frames, cursor.steps), failed)) return false;
  }
  return true;
}

}  // namespace plorvane::art

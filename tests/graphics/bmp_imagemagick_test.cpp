// BMP files written by ImageMagick, an encoder independent of ours: run-length encoded 8-bit files
// and the old OS/2 core header. The source picture goes to ImageMagick as a plain PPM, so the
// expected pixels need no reader at all.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/bmp_codec.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

bool HaveImageMagick() { return std::system("command -v convert >/dev/null 2>&1") == 0; }

// Seven flat colours in bands, so runs of every length occur and a palette holds them all.
Bitmap BandedPicture(int width, int height) {
  constexpr Colour kBands[] = {MakeColour(250, 10, 20),  MakeColour(30, 240, 60), MakeColour(5, 6, 200),
                               MakeColour(255, 255, 0),  MakeColour(0, 0, 0),     MakeColour(90, 90, 90),
                               MakeColour(200, 100, 255)};
  Bitmap bitmap;
  if (!bitmap.Resize(width, height)) std::abort();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, kBands[(x / 3 + y / 2 + (x * y) % 5 / 4) % 7]);
  return bitmap;
}

void WritePpm(const Bitmap& bitmap, const fs::path& path) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << bitmap.width() << ' ' << bitmap.height() << "\n255\n";
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const Colour c = bitmap.GetPixel(x, y);
      out.put(static_cast<char>(RedOf(c))).put(static_cast<char>(GreenOf(c))).put(static_cast<char>(BlueOf(c)));
    }
  }
}

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ImageMagickBmp : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    folder_ = fs::temp_directory_path() / ("plorvane-bmp-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  Bytes Convert(const Bitmap& picture, const std::string& options) {
    WritePpm(picture, folder_ / "in.ppm");
    const std::string command = "convert '" + (folder_ / "in.ppm").string() + "' " + options + "'" +
                                (folder_ / "out.bmp").string() + "'";
    if (std::system(command.c_str()) != 0) return {};
    return ReadAll(folder_ / "out.bmp");
  }

  fs::path folder_;
};

TEST_F(ImageMagickBmp, ReadsItsRunLengthEncodedAndCoreHeaderFiles) {
  const struct {
    const char* name;
    std::string options;
    std::size_t header_size;
    std::uint32_t compression;  // read from the 40-byte header only
  } cases[] = {
      {"8-bit run-length encoded", "-type palette -compress RLE bmp3:", 40, 1},
      {"OS/2 core header", "-type palette bmp2:", 12, 0},
  };
  for (const int width : {1, 37, 127}) {
    const Bitmap picture = BandedPicture(width, width == 127 ? 64 : 11);
    for (const auto& c : cases) {
      const Bytes file = Convert(picture, c.options);
      ASSERT_GT(file.size(), 34u) << c.name;
      // Make sure ImageMagick wrote the kind of file this case is about.
      ASSERT_EQ(file[14], c.header_size) << c.name;
      if (c.header_size == 40) {
        ASSERT_EQ(file[30], c.compression) << c.name << " " << width;
      }
      Bitmap decoded;
      ASSERT_TRUE(ReadBmp(file, decoded)) << c.name << " " << width;
      EXPECT_EQ(decoded, picture) << c.name << " " << width;
    }
  }
}

}  // namespace
}  // namespace plorvane

// The print companion on a virtual display, driven as a user drives it: the preview of the card's
// bitmap, the desktop's print dialog with its PDF file printer, the printed page, the error box
// for bitmaps it cannot read, and the companion as the editor writes it out. Its arguments and
// its page layout are checked directly first.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "e2e/editor_fixture.h"
#include "e2e/virtual_display.h"
#include "e2e/wait.h"
#include "graphics/bmp_codec.h"
#include "page_layout.h"
#include "print_request.h"
#include "scratch_folder.h"
#include "streaming/memory_stream.h"
#include "support/file_io.h"
#include "support/language.h"

namespace plorvane::e2e {
namespace {

// --- The arguments -------------------------------------------------------------------------

struct RequestCase {
  const char* what;
  std::vector<std::string> arguments;
  std::optional<PrintRequest> expected;
};

TEST(PrintRequestTest, EveryWayALauncherPassesTheParameterStringOnGivesTheTitleAndThePath) {
  const PrintRequest birthday{"Birthday.exe (Zarvick)", "/tmp/a b.bmp"};
  const std::vector<RequestCase> cases = {
      {"one parameter string", {R"~("Birthday.exe (Zarvick)" "/tmp/a b.bmp")~"}, birthday},
      {"two quoted arguments", {R"~("Birthday.exe (Zarvick)")~", R"~("/tmp/a b.bmp")~"}, birthday},
      {"split at every blank", {R"~("Birthday.exe)~", R"~((Zarvick)")~", R"~("/tmp/a)~", R"~(b.bmp")~"}, birthday},
      {"two unquoted arguments", {"Birthday.exe (Zarvick)", "/tmp/a b.bmp"}, birthday},
      {"quotes inside the title", {R"~("Say "hi".exe (Zarvick)" "/tmp/x.bmp")~"}, PrintRequest{R"~(Say "hi".exe (Zarvick))~", "/tmp/x.bmp"}},
      {"an unquoted title starting with a quote", {R"~("hi".exe)~", "/tmp/x.bmp"}, PrintRequest{R"~("hi".exe)~", "/tmp/x.bmp"}},
      {"an empty title", {R"~("" "/tmp/x.bmp")~"}, PrintRequest{"", "/tmp/x.bmp"}},
      {"a quoted path alone", {R"~("/tmp/x.bmp")~"}, PrintRequest{"", "/tmp/x.bmp"}},
      {"a path alone", {"/tmp/x.bmp"}, PrintRequest{"", "/tmp/x.bmp"}},
      {"nothing", {}, std::nullopt},
      {"an empty path", {R"~("Birthday.exe (Zarvick)" "")~"}, std::nullopt},
      {"an empty argument", {""}, std::nullopt},
      {"quotes that make no pair", {R"~("a"b")~"}, std::nullopt},
      {"three unquoted arguments", {"a", "b", "c"}, std::nullopt},
  };
  for (const auto& [what, arguments, expected] : cases) {
    EXPECT_EQ(ReadPrintRequest(arguments), expected) << what;
  }
}

// --- The page layout -----------------------------------------------------------------------

struct LayoutCase {
  const char* what;
  int width, height, area_width, area_height, dpi;
  Rect expected;
};

TEST(PageLayoutTest, TheCardIsCentredAtMostAtScreenSizeAndShrunkToFitKeepingItsShape) {
  const std::vector<LayoutCase> cases = {
      {"a small card at 96 per inch on a 1200 dpi page", 300, 200, 9000, 6000, 1200, Rect::FromSize(2625, 1750, 3750, 2500)},
      {"on a 72 dpi preview", 300, 200, 600, 400, 72, Rect::FromSize(187, 125, 225, 150)},
      {"a wide card fits the width", 2000, 500, 1000, 1000, 96, Rect::FromSize(0, 375, 1000, 250)},
      {"a tall card fits the height", 500, 2000, 1000, 1000, 96, Rect::FromSize(375, 0, 250, 1000)},
      {"a card that just fits keeps its size", 960, 480, 960, 960, 96, Rect::FromSize(0, 240, 960, 480)},
      {"one pixel on a huge page", 1, 1, 100000, 100000, 9600, Rect::FromSize(49950, 49950, 100, 100)},
      {"a card without pixels", 0, 10, 1000, 1000, 96, Rect{}},
      {"a page without room", 10, 10, 0, 1000, 96, Rect{}},
  };
  for (const auto& [what, width, height, area_width, area_height, dpi, expected] : cases) {
    EXPECT_EQ(PlaceOnPage(width, height, area_width, area_height, dpi), expected) << what;
  }
}

// --- The program ---------------------------------------------------------------------------

using namespace std::chrono_literals;

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);
constexpr int kCardWidth = 300;
constexpr int kCardHeight = 200;
constexpr int kSquareSide = 100;
// The printed page is looked at with this many pixels to the inch: half the card's own 96.
constexpr int kRenderDpi = 48;

// A red square in the middle of a blue field.
Bitmap TestCard() {
  Bitmap card;
  EXPECT_TRUE(card.Resize(kCardWidth, kCardHeight, kBlue));
  for (int y = (kCardHeight - kSquareSide) / 2; y < (kCardHeight + kSquareSide) / 2; ++y) {
    for (int x = (kCardWidth - kSquareSide) / 2; x < (kCardWidth + kSquareSide) / 2; ++x) card.SetPixel(x, y, kRed);
  }
  return card;
}

bool Near(Colour a, Colour b) {
  const auto close = [](int x, int y) { return std::abs(x - y) <= 40; };
  return close(RedOf(a), RedOf(b)) && close(GreenOf(a), GreenOf(b)) && close(BlueOf(a), BlueOf(b));
}

// The part of `page` that is not white paper; empty when all of it is.
Rect PrintedArea(const Bitmap& page) {
  Rect area{page.width(), page.height(), 0, 0};
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (Near(page.GetPixel(x, y), kWhite)) continue;
      area = {std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + 1), std::max(area.bottom, y + 1)};
    }
  }
  return area.empty() ? Rect{} : area;
}

std::size_t CountOf(const Bitmap& picture, Colour colour) {
  std::size_t count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += Near(picture.GetPixel(x, y), colour) ? 1 : 0;
  }
  return count;
}

// A PDF file once its writer has finished it.
bool IsCompletePdf(const std::vector<std::uint8_t>& bytes) {
  const std::string text(bytes.begin(), bytes.end());
  return text.starts_with("%PDF-") && text.find("%%EOF", text.size() > 64 ? text.size() - 64 : 0) != std::string::npos;
}

// Whether the process holds a descriptor of the file at `path`.
bool HoldsOpen(pid_t pid, const std::string& path) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    std::error_code ignored;
    const auto target = std::filesystem::read_symlink(entry.path(), ignored).string();
    if (target == path || target == path + " (deleted)") return true;
  }
  return false;
}

// The translation table the programs find in the settings folder of `config_home`.
void WriteLanguageFile(const std::string& config_home, const std::vector<std::pair<std::string, std::string>>& items) {
  TLanguage table;
  for (const auto& [source, translation] : items) ASSERT_TRUE(table.AddItem(source, translation));
  MemoryStream stream;
  ASSERT_TRUE(table.SaveToStream(stream));
  const std::string folder = config_home + "/Vumra Enterprises/Settings";
  std::filesystem::create_directories(folder);
  const std::string bytes = stream.AsString();
  ASSERT_EQ(WriteFileReplacing(folder + "/language.llf", std::vector<std::uint8_t>(bytes.begin(), bytes.end())),
            FileResult::kOk);
}

class PrintCompanionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ready()) << "Xvfb did not start";
    for (const char* sub : {"home/config", "home/data", "out"}) std::filesystem::create_directories(folder_.File(sub));
    // Our own texts and Qt's own (the print dialog's caption) through the program's table.
    WriteLanguageFile(folder_.File("home/config"),
                      {{"Print Preview", "Druckvorschau"}, {"Print", "Drucken"}, {"Error", "Fehler"}});
    MoveMouse(VirtualDisplay::kWidth - 1, VirtualDisplay::kHeight - 1);
  }
  void TearDown() override { companion_.reset(); }

  void Start(const std::vector<std::string>& arguments, const std::string& program = PLORVANE_PRINT_COMPANION_FILE) {
    const std::map<std::string, std::string> environment{
        {"HOME", folder_.File("home")},
        {"XDG_CONFIG_HOME", folder_.File("home/config")},
        {"XDG_DATA_HOME", folder_.File("home/data")},
        {"QT_QPA_PLATFORM", "xcb"},
        // No print server: the dialog offers the PDF file printer alone, whatever the machine has.
        {"CUPS_SERVER", folder_.File("no-print-server.sock")}};
    companion_ = std::make_unique<ChildProcess>(program, arguments, environment);
    ASSERT_TRUE(companion_->started()) << program;
  }

  std::string WriteCard(const std::string& name) {
    const std::vector<std::uint8_t> bytes = WriteBmp(TestCard());
    const std::string path = folder_.File(name);
    EXPECT_EQ(WriteFileReplacing(path, bytes), FileResult::kOk);
    return path;
  }

  // The one window of the companion with this title.
  std::optional<WindowId> WaitForWindow(const std::string& title) {
    const auto windows = WaitForTitledWindows(TitlePattern(title));
    if (windows.size() != 1) return std::nullopt;
    return windows[0];
  }

  // The window's pixels once they show the card, red square and blue field.
  std::optional<Bitmap> WaitForCardIn(WindowId window) {
    const auto area = Geometry(window);
    if (!area) return std::nullopt;
    return WaitForScreenshot(*area, [](const Bitmap& shot) {
      return CountOf(shot, kRed) > 100 && CountOf(shot, kBlue) > CountOf(shot, kRed);
    });
  }

  // Presses the preview's Print... and prints into the PDF file at `pdf` as a user does it with
  // the keyboard: the printer by its label's shortcut, the PDF file printer at the end of the
  // list, then the output file by its label's shortcut.
  void PrintIntoPdf(WindowId preview, const std::string& pdf) {
    Focus(preview);
    PressKey("Return");  // Print... is the preview's default button
    const auto dialog = WaitForWindow("Drucken");
    ASSERT_TRUE(dialog.has_value()) << "no print dialog";
    Focus(*dialog);
    PressKey("alt+n");
    PressKey("End");
    PressKey("alt+f");
    PressKey("ctrl+a");
    Type(pdf);
    PressKey("Return");
  }

  // The rendered page of a one-page PDF file.
  std::optional<Bitmap> RenderPage(const std::string& pdf) {
    const std::string prefix = folder_.File("page");
    if (!RunCommand("pdftoppm -r " + std::to_string(kRenderDpi) + " -singlefile '" + pdf + "' '" + prefix + "'") ||
        !RunCommand("convert '" + prefix + ".ppm' 'BMP3:" + prefix + ".bmp'")) {
      return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    Bitmap page;
    if (ReadWholeFile(prefix + ".bmp", bytes) != FileResult::kOk || !ReadBmp(bytes, page)) return std::nullopt;
    return page;
  }

  // Made before the companion, gone after it.
  VirtualDisplay display_;
  test::ScratchFolder folder_;
  std::unique_ptr<ChildProcess> companion_;
};

TEST_F(PrintCompanionTest, PrintsTheCardCentredOnAPdfPageThroughThePrintDialog) {
  const std::string bitmap = WriteCard("hand-over.bmp");
  Start({R"~("Birthday.exe (Zarvick)" ")~" + bitmap + "\""});
  if (HasFatalFailure()) return;
  const auto preview = WaitForWindow("Birthday.exe (Zarvick) - Druckvorschau");
  ASSERT_TRUE(preview.has_value()) << "no preview window";

  // The bitmap was read whole at start: the editor may delete it while the preview is open.
  EXPECT_FALSE(HoldsOpen(companion_->pid(), bitmap)) << "the bitmap file is still open";
  ASSERT_TRUE(std::filesystem::remove(bitmap));
  ASSERT_TRUE(WaitForCardIn(*preview).has_value()) << "the preview does not show the card";

  const std::string pdf = folder_.File("out/printed card.pdf");
  PrintIntoPdf(*preview, pdf);
  if (HasFatalFailure()) return;

  // The preview closes once the job is out.
  EXPECT_EQ(companion_->WaitForExit(kPatience), 0);
  ASSERT_TRUE(WaitForFile(pdf, IsCompletePdf).has_value()) << "no complete PDF file at " << pdf;
  const auto page = RenderPage(pdf);
  ASSERT_TRUE(page.has_value()) << "the PDF page does not render";

  // The card at 96 pixels to the inch, centred, on white paper; its own colours where they were.
  const Rect printed = PrintedArea(*page);
  const int scale = 96 / kRenderDpi;
  EXPECT_NEAR(printed.width(), kCardWidth / scale, 2);
  EXPECT_NEAR(printed.height(), kCardHeight / scale, 2);
  EXPECT_NEAR(printed.left, page->width() - printed.right, 3) << "not centred across";
  EXPECT_NEAR(printed.top, page->height() - printed.bottom, 3) << "not centred down";
  EXPECT_GT(printed.left, kRenderDpi) << "no white margin";
  EXPECT_GT(printed.top, kRenderDpi) << "no white margin";
  const int middle_x = (printed.left + printed.right) / 2;
  const int middle_y = (printed.top + printed.bottom) / 2;
  EXPECT_TRUE(Near(page->GetPixel(middle_x, middle_y), kRed));
  EXPECT_TRUE(Near(page->GetPixel(middle_x + kSquareSide / scale / 2 - 3, middle_y), kRed)) << "the square is too small";
  EXPECT_TRUE(Near(page->GetPixel(middle_x + kSquareSide / scale / 2 + 3, middle_y), kBlue)) << "the square is too large";
  EXPECT_TRUE(Near(page->GetPixel(printed.left + 3, printed.top + 3), kBlue));
  EXPECT_TRUE(Near(page->GetPixel(printed.right - 4, printed.bottom - 4), kBlue));
  // Only the edges, where the renderer blends neighbouring colours, may be neither.
  const auto side = static_cast<double>(kSquareSide / scale);
  EXPECT_NEAR(static_cast<double>(CountOf(*page, kRed)), side * side, side * side / 10);
  EXPECT_GE(static_cast<double>(CountOf(*page, kRed) + CountOf(*page, kBlue)), 0.9 * printed.width() * printed.height())
      << "other colours inside the card";
}

TEST_F(PrintCompanionTest, ClosingThePreviewEndsItWithoutPrinting) {
  Start({"Birthday.exe (Zarvick)", WriteCard("hand-over.bmp")});
  if (HasFatalFailure()) return;
  const auto preview = WaitForWindow("Birthday.exe (Zarvick) - Druckvorschau");
  ASSERT_TRUE(preview.has_value()) << "no preview window";
  Focus(*preview);
  PressKey("Escape");
  EXPECT_EQ(companion_->WaitForExit(kPatience), 0);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.File("out")));
}

TEST_F(PrintCompanionTest, ABitmapItCannotReadGivesTheErrorBoxAndAFailingEnd) {
  const std::vector<std::uint8_t> card = WriteBmp(TestCard());
  folder_.Write("text.bmp", "not a picture at all");
  folder_.Write("cut.bmp", std::string_view(reinterpret_cast<const char*>(card.data()), 200));
  std::filesystem::create_directories(folder_.File("folder.bmp"));
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"a missing file", {"Birthday.exe (Zarvick)", folder_.File("missing.bmp")}},
      {"a file that is no bitmap", {"Birthday.exe (Zarvick)", folder_.File("text.bmp")}},
      {"a bitmap cut short", {"Birthday.exe (Zarvick)", folder_.File("cut.bmp")}},
      {"a folder", {"Birthday.exe (Zarvick)", folder_.File("folder.bmp")}},
      {"no arguments", {}},
  };
  for (const auto& [what, arguments] : cases) {
    SCOPED_TRACE(what);
    Start(arguments);
    if (HasFatalFailure()) return;
    const auto box = WaitForWindow("Fehler");
    ASSERT_TRUE(box.has_value()) << "no error box";
    EXPECT_EQ(VisibleWindows(companion_->pid()).size(), 1U) << "a preview came with the error";
    Focus(*box);
    PressKey("Return");
    EXPECT_EQ(companion_->WaitForExit(kPatience), 1);
  }
}

// --- The companion as the editor writes it out -----------------------------------------------

class CompanionExtractionTest : public EditorFixture {
 protected:
  CompanionExtractionTest() : EditorFixture({{"QT_QPA_PLATFORM", "xcb"}}) {}
  void SetUp() override {
    ASSERT_TRUE(display_.ready()) << "Xvfb did not start";
    EditorFixture::SetUp();
  }

  // Made before the editor, gone after it.
  VirtualDisplay display_;
};

TEST_F(CompanionExtractionTest, TheEditorWritesTheCompanionWherePrintFindsItAsAProgramThatRuns) {
  Start();
  if (HasFatalFailure()) return;
  const std::string companion = folder_.File("home/data/Vumra Enterprises/Print/plorvane-print.exe");
  struct stat info {};
  ASSERT_EQ(::stat(companion.c_str(), &info), 0) << "no companion at " << companion;
  EXPECT_EQ(info.st_mode & 0111, 0111U) << "the companion is not startable";
  EXPECT_EQ(test::FileBytes(companion), test::FileBytes(PLORVANE_PRINT_COMPANION_FILE));
  editor_.reset();

  // The written-out program shows its preview as the built one does.
  const std::string bitmap = folder_.File("hand-over.bmp");
  ASSERT_EQ(WriteFileReplacing(bitmap, WriteBmp(TestCard())), FileResult::kOk);
  ChildProcess printing(companion, {R"~("Card.exe (Zarvick)" ")~" + bitmap + "\""},
                        {{"HOME", folder_.File("home")},
                         {"XDG_CONFIG_HOME", folder_.File("home/config")},
                         {"QT_QPA_PLATFORM", "xcb"}});
  ASSERT_TRUE(printing.started());
  const auto preview = WaitForTitledWindows(TitlePattern("Card.exe (Zarvick) - Print Preview"));
  ASSERT_EQ(preview.size(), 1U) << "no preview window";
  Focus(preview[0]);
  PressKey("Escape");
  EXPECT_EQ(printing.WaitForExit(kPatience), 0);
}

}  // namespace
}  // namespace plorvane::e2e

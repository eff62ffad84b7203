#pragma once
// The editor's core on the headless platform in a temporary home: a recording stand-in for the
// strip, carriers packed in the test, and a splash that waits on the fake clock.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "card/card.h"
#include "editor/main_form.h"
#include "editor/tool_windows.h"
#include "graphics/jpeg_codec.h"
#include "media/compact_splash.h"
#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"
#include "support/carrier_bitmap.h"
#include "support/paths.h"
#include "support/temp_home.h"

namespace plorvane::test {

// The tool windows as the form sees them: what they are asked goes into the call log, and a test
// raises their events through `events`.
class RecordingToolWindows final : public ToolWindows {
 public:
  explicit RecordingToolWindows(CallLog& log) : log_(log) {}
  void Wire(ToolWindowEvents* wired) override {
    events = wired;
    log_.Add(wired != nullptr ? "tool windows wired" : "tool windows unwired");
  }
  void Show(ToolWindow window) override { log_.Add("tool window show " + Name(window)); }
  void SetSyncCaption(const std::string& caption) override { sync_caption = caption; }
  void SetFps(int fps) override { log_.Add("tool window fps " + std::to_string(fps)); }
  void SetInsertEnabled(bool enabled) override { insert_enabled = enabled; }
  void SetBusy(bool is_busy) override { busy = is_busy; }
  [[nodiscard]] const Bitmap& InsertPicture(ToolWindow sender) override {
    log_.Add(std::string("tool window picture ") + Name(sender) + (busy ? " busy" : ""));
    return picture;
  }
  void ReleaseInsertPicture(ToolWindow sender) override { log_.Add("tool window release " + Name(sender)); }
  void SyncTextSize(int width, int height) override {
    log_.Add("tool window sync " + std::to_string(width) + "x" + std::to_string(height));
  }
  void LoadSettings() override { log_.Add("tool windows load settings"); }
  void SaveSettings() override { log_.Add("tool windows save settings"); }

  static std::string Name(ToolWindow window) {
    switch (window) {
      case ToolWindow::kAnimationElement:
        return "animation";
      case ToolWindow::kTextInsert:
        return "text";
      case ToolWindow::kInsertSymbol:
        return "symbol";
    }
    return {};
  }

  ToolWindowEvents* events = nullptr;
  Bitmap picture;  // what the insert windows hand over
  std::string sync_caption;
  bool insert_enabled = false;
  bool busy = false;

 private:
  CallLog& log_;
};

// The strip as the form sees it; what it is asked goes into the platform's call log, so the
// order of start-up steps can be read across the window and the platform.
class RecordingView final : public MainWindowView {
 public:
  explicit RecordingView(CallLog& log) : windows(log), log_(log) {}
  void Refresh() override { ++refreshes; }
  void SetVisible(bool visible) override {
    visible_ = visible;
    log_.Add(visible ? "strip show" : "strip hide");
  }
  [[nodiscard]] bool IsVisible() const override { return visible_; }
  void SetStayOnTop(bool on_top) override { stay_on_top = on_top; }
  void Place(Point top_left, int width) override {
    log_.Add("strip place " + std::to_string(top_left.x) + "," + std::to_string(top_left.y) + " width " +
             std::to_string(width));
  }
  void ShowInformation(const std::string& caption, const std::string& rich_text) override {
    log_.Add("information " + caption);
    information = rich_text;
  }

  [[nodiscard]] ToolWindows* tool_windows() override { return &windows; }

  int refreshes = 0;
  bool stay_on_top = false;
  std::string information;  // the rich text last shown
  RecordingToolWindows windows;

 private:
  CallLog& log_;
  bool visible_ = false;
};

using CarrierFiles = std::vector<std::pair<std::string, std::vector<std::uint8_t>>>;

inline std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

inline std::vector<std::uint8_t> Carrier(const CarrierFiles& files) {
  std::vector<TBoxItem> items(files.size());
  for (std::size_t at = 0; at < files.size(); ++at) EXPECT_TRUE(PackBoxItem(files[at].first, files[at].second, items[at]));
  return WriteCarrierBitmap(WriteArchive(items));
}

inline std::vector<std::uint8_t> SmallJpeg(int width, int height) {
  Bitmap picture;
  std::vector<std::uint8_t> jpeg;
  EXPECT_TRUE(picture.Resize(width, height, MakeColour(40, 60, 120)) && EncodeJpeg(picture, 80, jpeg));
  return jpeg;
}

inline const std::vector<std::uint8_t>& PlayerImage() {
  static const std::vector<std::uint8_t> image = Bytes("player image of the test");
  return image;
}

// Test names from the case tables.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
  return param.param.name;
}

inline EditorCarriers TestCarriers() {
  return {Carrier({{"A.JPG", SmallJpeg(200, 120)}, {"B.JPG", SmallJpeg(120, 80)}, {"A.EXE", PlayerImage()}}),
          Carrier({{"Sample.bmp", Bytes("BM sample")}, {"Tune.mid", Bytes("MThd")}, {"ReadMe.txt", Bytes("hello")}}),
          Carrier({{"index.html", Bytes("<html></html>")}})};
}

class EditorTest : public ::testing::Test {
 protected:
  // A form that has not started yet; its splash waits on the fake clock.
  std::unique_ptr<TForm1> MakeForm(EditorCarriers carriers, std::string first_argument = {}) {
    auto form = std::make_unique<TForm1>(platform_, view_, std::move(carriers),
                                         EditorStart{own_executable_, std::move(first_argument)});
    form->Splash().Sleep = [this](std::chrono::milliseconds pause) {
      platform_.clock().Advance(static_cast<std::uint32_t>(pause.count()));
    };
    return form;
  }
  // A started editor; fails the test when start-up fails.
  TForm1& Start(std::string first_argument = {}) {
    form_ = MakeForm(TestCarriers(), std::move(first_argument));
    EXPECT_TRUE(form_->FormCreate());
    return *form_;
  }
  [[nodiscard]] std::string SettingsFile() const { return Paths().SettingsFolder("Settings") + "Plorvane.INI"; }
  [[nodiscard]] std::string Library(const std::string& name) const { return Paths().MenuFolder(name, false); }
  [[nodiscard]] std::string MakerFolder() const { return Paths().MenuFolder("", false); }
  // A menu of the menu bar by its path of captions: "&File", "F&rame > Collect&ion".
  PopupMenu& Menu(const std::string& path) {
    PopupMenu* menu = &form_->MainMenu1();
    std::string_view rest = path;
    while (!rest.empty()) {
      const auto cut = rest.find(" > ");
      menu = menu->Submenu(menu->IndexOf(rest.substr(0, cut)));
      if (!menu) throw std::invalid_argument("no menu " + path);
      rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 3);
    }
    return *menu;
  }
  // Opens the menu (its refresh runs) and picks the item, as the user does.
  bool Pick(const std::string& menu, const std::string& item) {
    PopupMenu& submenu = Menu(menu);
    submenu.Opening();
    return submenu.ActivateByCaption(item);
  }
  [[nodiscard]] bool ItemEnabled(const std::string& menu, const std::string& item) {
    PopupMenu& submenu = Menu(menu);
    submenu.Opening();
    return submenu.IsEnabled(submenu.IndexOf(item));
  }

  testing::TempHome home_;
  bool tmp_made_ = std::filesystem::create_directories(std::getenv("TMPDIR"));
  ScratchFolder folder_;
  std::string own_executable_ = folder_.Write("plorvane", "the editor program");
  HeadlessPlatform platform_;
  RecordingView view_{platform_.log()};
  std::unique_ptr<TForm1> form_;
};

}  // namespace plorvane::test

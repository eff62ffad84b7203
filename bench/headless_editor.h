#pragma once
// The editor after its whole start-up on the headless platform, with the carriers the build
// embeds, in a home of its own: its commands measured without a display.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "editor/main_form.h"
#include "editor/resources/embedded_carriers.h"
#include "media/compact_splash.h"
#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"
#include "support/memory_tuning.h"
#include "support/temp_home.h"

namespace plorvane::bench {

// The strip, which a benchmark never looks at.
class UnseenStrip final : public MainWindowView {
 public:
  void Refresh() override {}
  void SetVisible(bool visible) override { visible_ = visible; }
  [[nodiscard]] bool IsVisible() const override { return visible_; }
  void SetStayOnTop(bool) override {}
  void Place(Point, int) override {}
  void ShowInformation(const std::string&, const std::string&) override {}

 private:
  bool visible_ = false;
};

class HeadlessEditor {
 public:
  // Aborts when the start-up fails: there would be nothing to measure.
  HeadlessEditor() {
    KeepLargeBuffersForReuse();  // as the editor does
    std::filesystem::create_directories(std::getenv("TMPDIR"));
    folder_ = std::make_unique<test::ScratchFolder>();
    form_ = std::make_unique<TForm1>(platform_, strip_, EmbeddedCarriers(),
                                     EditorStart{folder_->Write("plorvane", "the editor program"), ""});
    // The splash holds on the platform's clock, which only moves when told.
    form_->Splash().Sleep = [this](std::chrono::milliseconds pause) {
      platform_.clock().Advance(static_cast<std::uint32_t>(pause.count()));
    };
    if (!form_->FormCreate()) std::abort();
  }

  [[nodiscard]] TForm1& form() { return *form_; }
  [[nodiscard]] HeadlessPlatform& platform() { return platform_; }
  [[nodiscard]] const test::ScratchFolder& folder() const { return *folder_; }

 private:
  testing::TempHome home_;
  std::unique_ptr<test::ScratchFolder> folder_;
  HeadlessPlatform platform_;
  UnseenStrip strip_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace plorvane::bench

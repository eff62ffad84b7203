#include "media/compact_splash.h"

#include <algorithm>
#include <thread>

#include "media/splash_texts.h"
#include "platform/busy_cursor.h"
#include "platform/picture_pixels.h"
#include "support/scramble.h"
#include "support/translate.h"
#include "support/window_placement.h"

namespace plorvane {
namespace {

constexpr int kFirstNoticeYear = 2002;
constexpr int kLinkRow = 5;
// An opening link shows in red until the desktop took it.
constexpr Colour kOpeningColour = MakeColour(255, 0, 0);
constexpr auto kCloseStep = std::chrono::milliseconds(50);

std::string Plain(std::string_view scrambled) { return ScrambleText(scrambled, false); }

int SystemYear() {
  const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  return static_cast<int>(today.year());
}

}  // namespace

TCompactSplash::TCompactSplash(Platform& platform)
    : TextFont{"Arial", 7, true, false, false, kWhite},
      CurrentYear(SystemYear),
      Sleep([](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); }),
      platform_(platform),
      labels_(platform.text_renderer()) {
  for (Row& row : rows_) {
    row.caption = labels_.NewLabel();
    row.value = labels_.NewLabel();
  }
  rows_[kLinkRow].value->OnClick = [this](TSimpleLabel& link) { OpenLink(link); };
}

TCompactSplash::~TCompactSplash() { Detach(); }

void TCompactSplash::Detach() { OnBeforeShow = nullptr; }

void TCompactSplash::SetPicture(const Picture& picture) { picture_ = PicturePixels(picture, platform_.metafiles()); }

void TCompactSplash::ShowSplash() { Show(Mode::kSplash); }

void TCompactSplash::ShowAbout() { Show(Mode::kAbout); }

void TCompactSplash::Show(Mode mode) {
  if (OnBeforeShow) OnBeforeShow();
  // The two modes are different kinds of window: a borderless one and a dialog.
  if (!window_ || mode != mode_) {
    window_ = platform_.windowing().CreateCardWindow(*this, mode == Mode::kAbout ? WindowRole::kDialog
                                                                                 : WindowRole::kOrdinary);
  }
  mode_ = mode;
  window_->SetCursor(WindowCursor::kArrowCursor);
  if (mode == Mode::kAbout) window_->SetTitle(Translate(Plain(splash_texts::kAboutPrefix)) + Plain(Title));
  window_->SetClientSize({std::max(picture_.width(), 1), std::max(picture_.height(), 1)});
  FillRows();
  LayOut();
  const PixelSize screen = platform_.screen().Size();
  const PixelSize size = window_->ClientSize();
  const WindowPosition centre = CentredPosition(size.width, size.height, screen.width, screen.height);
  window_->MoveTo({centre.left, centre.top});
  Draw();
  window_->Show();
  platform_.application().ProcessPendingEvents();
}

void TCompactSplash::FillRows() {
  const std::string year = std::to_string(std::max(CurrentYear(), kFirstNoticeYear));
  const std::array<std::pair<std::string, std::string>, kRows> texts = {{
      {ShowTitle == 1 ? Plain(Title) : std::string(), " "},
      {Translate(Plain(splash_texts::kVersionLabel)) + ": ", Plain(VersionText)},
      {"", ""},
      {"", ""},
      {Translate(Plain(splash_texts::kNoticeStart)) + year + Translate(Plain(splash_texts::kNoticeEnd)), " "},
      {Translate(Plain(splash_texts::kLinkLabel)) + ": ", Plain(splash_texts::kLinkAddress)},
  }};
  for (int index = 0; index < kRows; ++index) {
    Row& row = rows_[static_cast<std::size_t>(index)];
    const auto& [caption, value] = texts[static_cast<std::size_t>(index)];
    Font value_font = TextFont;
    value_font.underline = TextFont.underline || index == kLinkRow;
    row.caption->SetFont(TextFont);
    row.value->SetFont(value_font);
    row.caption->SetCaption(caption);
    row.value->SetCaption(value);
    const bool visible = !caption.empty() && !value.empty();
    row.caption->SetVisible(visible);
    row.value->SetVisible(visible);
  }
}

void TCompactSplash::LayOut() {
  int y = window_->ClientSize().height - BottomMargin;
  for (int index = kRows - 1; index >= 0; --index) {
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.value->Visible()) continue;
    y -= row.value->Height();
    row.caption->SetPosition(LeftMargin, y);
    row.value->SetPosition(LeftMargin + row.caption->Width(), y);
  }
}

void TCompactSplash::Draw() {
  shown_ = picture_;
  labels_.DrawAll({0, 0}, shown_);
  if (window_) window_->Present(shown_, {0, 0});
}

void TCompactSplash::CloseAfter(int seconds) {
  const int wait = std::clamp(seconds, 0, kMaxCloseSeconds);
  if (wait != 0) {
    Clock& clock = platform_.clock();
    const std::uint32_t start = clock.Milliseconds();
    while (clock.Milliseconds() - start <= static_cast<std::uint32_t>(wait) * 1000U) {
      platform_.application().ProcessPendingEvents();
      Sleep(kCloseStep);
    }
  }
  if (window_) window_->Hide();
}

void TCompactSplash::OpenLink(TSimpleLabel& link) {
  // Red means an opening is under way; a second click then does nothing.
  if (link.GetFont().colour != TextFont.colour) return;
  const BusyCursor busy(platform_.cursors());
  link.SetFontColour(kOpeningColour);
  Draw();
  platform_.application().ProcessPendingEvents();
  platform_.shell().OpenDocument(link.Caption());
  link.SetFontColour(TextFont.colour);
  Draw();
}

void TCompactSplash::OnMouseDown(const MouseEvent& event) { labels_.Click(event.position.x, event.position.y); }

void TCompactSplash::OnMouseMove(const MouseEvent& event) {
  const TSimpleLabel& link = *rows_[kLinkRow].value;
  const bool over_link = link.Visible() && link.Contains(event.position.x, event.position.y);
  window_->SetCursor(over_link ? WindowCursor::kLinkCursor : WindowCursor::kArrowCursor);
}

bool TCompactSplash::OnKeyDown(const KeyEvent& event) {
  if (mode_ != Mode::kAbout || event.key != kKeyEscape) return false;
  CloseAfter(0);
  return true;
}

void TCompactSplash::OnPaint() {
  if (window_) window_->Present(shown_, {0, 0});
}

}  // namespace plorvane

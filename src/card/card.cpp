#include "card/card.h"

#include <unistd.h>

#include "card/player_menu_texts.h"
#include "graphics/bitmap_graphic.h"
#include "support/limits.h"
#include "support/messages.h"
#include "support/scramble.h"
#include "support/translate.h"
#include "support/window_placement.h"

namespace plorvane {
namespace {

constexpr std::string_view kUntitledName = "Untitled.exe";
constexpr std::string_view kNewCardPreset = "Default";
constexpr int kLinkLabelWidth = 35;
constexpr int kLinkLabelHeight = 18;
constexpr std::string_view kAboutTitle = "Animated Zarvick";
constexpr std::string_view kAboutVersion = "2.00.1003";

Picture BlankPicture() {
  Bitmap blank;
  (void)blank.Resize(TZarvickV2::kBlankPictureSide, TZarvickV2::kBlankPictureSide, kWhite);
  Picture picture;
  picture.SetGraphic(std::make_unique<TBitmap>(std::move(blank)));
  return picture;
}

}  // namespace

TZarvickV2::TZarvickV2(Platform& platform, CardMode mode, const Picture* picture)
    : platform_(platform), mode_(mode), animations_(std::make_unique<TSAG>(platform.clock())) {
  window_ = platform_.windowing().CreateCardWindow(
      *this, mode_ == CardMode::kPlayer ? WindowRole::kMain : WindowRole::kOrdinary);
  window_->SetCursor(WindowCursor::kSlotCursor);

  labels_ = std::make_unique<TSimpleLabels>(platform_.text_renderer());
  link_label_ = labels_->NewLabel();
  link_label_->SetAutoSize(false);
  link_label_->SetBounds(0, 0, kLinkLabelWidth, kLinkLabelHeight);
  Font link_font = link_label_->GetFont();
  link_font.underline = true;
  link_label_->SetFont(link_font);
  link_label_->SetCaption("");
  link_label_->OnClick = [this](TSimpleLabel&) { HandleClick(PlayerCommand::kLink); };
  menu_label_ = labels_->NewLabel();
  menu_label_->SetFont(link_font);
  menu_label_->SetCaption(Translate(player_texts::kMenuLabel));
  menu_label_->SetVisible(true);
  menu_label_->OnClick = [this](TSimpleLabel&) { HandleClick(PlayerCommand::kMenu); };
  BuildPlayerMenu();

  sound_player_ = std::make_unique<TWaveMidi>(platform_.sound_devices());
  about_screen_ = std::make_unique<TCompactSplash>(platform_);
  about_screen_->TextFont = Font{"Arial", 7, true, false, false, kWhite};
  about_screen_->LeftMargin = 7;
  about_screen_->BottomMargin = 7;
  about_screen_->Title = ScrambleText(kAboutTitle, true);
  about_screen_->VersionText = ScrambleText(kAboutVersion, true);
  about_screen_->ShowTitle = 1;

  animations_->SetCanvas(&picture_layer_);
  animations_->OnPaint = [this] { AnimationTick(); };
  animations_->SetEditable(mode_ == CardMode::kEditor);
  animation_timer_ = std::make_unique<TFastTimer>(platform_.application(), platform_.clock());
  animation_timer_->SetEnabled(false);
  animation_timer_->SetInterval(kAnimationInterval);
  animation_timer_->SetOnTimer([this] { animations_->Tick(); });
  animation_timer_->SetEnabled(true);

  NewCard(picture);
}

TZarvickV2::~TZarvickV2() {
  // No tick may reach a card that is being taken apart.
  animation_timer_.reset();
  StopSound();
  animations_->SetCanvas(nullptr);
  animations_->OnPaint = nullptr;
}

void TZarvickV2::ShowError() { platform_.dialogs().ErrorBox(Translate(player_texts::kErrorCaption), Translate(last_error_)); }

bool TZarvickV2::NewCard(const Picture* picture) {
  if (!picture) {
    SetCardPicture(BlankPicture());
  } else if (picture->graphic() && picture->graphic()->Width() > 0 && picture->graphic()->Height() > 0) {
    SetCardPicture(*picture);
  }
  file_name_ = kUntitledName;
  SetLink("");
  SetLinkColor(kBlack);
  ClearSound();
  const bool applied = ApplyCollection(kNewCardPreset);
  ResetCursor();
  animations_->Clear();
  Redraw(true);
  CenterCardWindow();
  SetSaved(true);
  SyncAboutPicture();
  return applied;
}

bool TZarvickV2::BeginChange() {
  last_error_ = msg::kOutOfMemory;
  SetSaved(false);
  undo_data_.Clear();
  return SaveToStream(undo_data_);
}

bool TZarvickV2::Undo() {
  MemoryStream current;
  if (!SaveToStream(current)) return false;
  undo_data_.Seek(0);
  if (!LoadFromStream(undo_data_)) return false;
  undo_data_.Assign(current.TakeBytes());
  SetSaved(false);
  return true;
}

std::string TZarvickV2::CardName() const {
  const auto slash = file_name_.find_last_of('/');
  return slash == std::string::npos ? file_name_ : file_name_.substr(slash + 1);
}

void TZarvickV2::SetAboutPicture(const Picture& picture) {
  about_picture_packed_ = PackedPicture(picture);
  about_screen_packed_ = about_picture_packed_;
}

void TZarvickV2::SyncAboutPicture() {
  if (mode_ == CardMode::kEditor && !about_picture_packed_.empty()) about_screen_packed_ = about_picture_packed_;
}

void TZarvickV2::ShowAbout() {
  // Beside the card's own pixels the about picture may take only what the card's allowance has
  // left; a larger one is not shown, and the box shows its texts alone.
  Picture picture;
  if (auto unpacked = UnpackPicture(about_screen_packed_);
      unpacked && DecodedPixels() + unpacked->PixelCount() <= limits::kMaxCardPixels) {
    picture = std::move(*unpacked);
  }
  about_screen_->SetPicture(picture);
  about_screen_->ShowAbout();
}

void TZarvickV2::ShowCardWindow() {
  window_->Show();
  platform_.application().ProcessPendingEvents();
}

void TZarvickV2::CenterCardWindow() {
  const PixelSize screen = platform_.screen().Size();
  const PixelSize size = window_->ClientSize();
  const WindowPosition centre = CentredPosition(size.width, size.height, screen.width, screen.height);
  window_->MoveTo({centre.left, centre.top});
}

}  // namespace plorvane

#pragma once
// TZarvickV2, the card: the one document object of a running program. It owns the picture, the
// frame settings, the sound and cursor bytes, the link, the about picture and the animation
// group, together with the borderless window that shows them. Its published properties are the
// card's file format.
//
// Every operation answers success and leaves the text of the step that failed in LastError;
// nothing raises to the caller.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "animation/animation_group.h"
#include "card/card_format.h"
#include "graphics/bitmap.h"
#include "graphics/picture.h"
#include "media/compact_splash.h"
#include "media/fast_timer.h"
#include "media/simple_labels.h"
#include "media/wave_midi.h"
#include "platform/platform.h"
#include "platform/popup_menu.h"
#include "streaming/memory_stream.h"
#include "streaming/published_properties.h"

namespace plorvane {

enum class CardMode : std::uint8_t { kPlayer = 0, kEditor = 1 };

class TZarvickV2 final : private WindowEventReceiver {
 public:
  static constexpr std::string_view kClassName = "TZarvickV2";
  static const PublishedProperties<TZarvickV2>& Published();

  // The new card's picture when none is given.
  static constexpr int kBlankPictureSide = 330;
  static constexpr int kMaxFrameSize = 75;
  static constexpr int kAnimationInterval = 8;

  // Reads the body of a first-version card from the stream, standing just behind its signature
  // record. Result 0 fails, 1 means everything was read, anything else continues as for a
  // current card. `error` becomes the card's LastError.
  using LegacyReader = std::function<void(TZarvickV2& card, Stream& stream, std::uint8_t& result, std::string& error)>;

  // Creates the card with a new card's content (the given picture, or a blank one). The
  // platform must outlive the card.
  TZarvickV2(Platform& platform, CardMode mode, const Picture* picture = nullptr);
  ~TZarvickV2() override;
  TZarvickV2(const TZarvickV2&) = delete;
  TZarvickV2& operator=(const TZarvickV2&) = delete;

  [[nodiscard]] CardMode Mode() const { return mode_; }
  [[nodiscard]] bool IsPlayer() const { return mode_ == CardMode::kPlayer; }
  [[nodiscard]] const std::string& LastError() const { return last_error_; }
  // Shows LastError in the error box.
  void ShowError();

  // --- Document -----------------------------------------------------------------------------
  bool NewCard(const Picture* picture = nullptr);
  // The undo snapshot, taken before every change.
  bool BeginChange();
  // One level: undoing twice is a redo.
  bool Undo();
  [[nodiscard]] bool Saved() const { return saved_; }
  void SetSaved(bool saved) {
    saved_ = saved;
    if (OnChange) OnChange();
  }
  // Raised whenever the document is marked changed or saved (a change, Undo, New, Open, Save),
  // so the editor can show the caption and the enabled states again.
  std::function<void()> OnChange;
  [[nodiscard]] const std::string& FileName() const { return file_name_; }
  // Where the next save proposes to write; the editor puts a new card in its card library.
  void SetFileName(std::string file_name) { file_name_ = std::move(file_name); }
  // The file-name part of FileName.
  [[nodiscard]] std::string CardName() const;

  // --- Card stream and card executable -----------------------------------------------------
  bool SaveToStream(Stream& stream);
  // A bare card stream at the position, or a card executable's stream at 418,000 (362,000 for
  // a first-version card) bytes after it.
  bool LoadFromStream(Stream& stream);
  // On success the stream stands just behind the signature record; otherwise where it was.
  static CardVersion DetectCard(Stream& stream, bool in_executable);
  bool LoadFromFile(const std::string& file_name);
  bool SaveToExecutable(const std::string& file_name);
  // Whether an executable may be written to that name: nothing there, or a card executable.
  bool CheckTarget(const std::string& file_name, CardVersion& kind);
  // The length of the card executable that saving would write; 0 when the stream cannot be made.
  std::int64_t EstimatedSize();
  // The player image every card executable starts with (at most 418,000 bytes).
  void SetPlayerStub(std::vector<std::uint8_t> image) { player_stub_ = std::move(image); }
  [[nodiscard]] const std::vector<std::uint8_t>& PlayerStub() const { return player_stub_; }
  LegacyReader OnLegacyRead;

  // --- Frame --------------------------------------------------------------------------------
  [[nodiscard]] int pSplit() const { return split_; }
  [[nodiscard]] int pShade() const { return shade_; }
  [[nodiscard]] int pSize() const { return size_; }
  [[nodiscard]] Colour pColor() const { return colour_; }
  [[nodiscard]] bool pSwapColor() const { return swap_colour_; }
  [[nodiscard]] Colour pLinkColor() const { return link_colour_; }
  // The setters store as the file format does: split as a byte, size clamped to 0..75, shade
  // to 0..100; colour, size, link and link colour raise their redraw flags when they change.
  void SetSplit(int split);
  void SetShade(int shade);
  void SetSize(int size);
  void SetColor(Colour colour);
  void SetSwapColor(bool swap);
  void SetLinkColor(Colour colour);
  // Applies the preset of that name (case does not matter); nothing for an unknown name.
  bool ApplyCollection(std::string_view name);
  // The first preset with the card's split, shade and swap (1..16), or -1.
  [[nodiscard]] int CollectionIndex() const;
  [[nodiscard]] std::string_view CollectionName() const;

  // --- Link ---------------------------------------------------------------------------------
  [[nodiscard]] const std::string& pLink() const;
  void SetLink(const std::string& link);

  // --- Drawing ------------------------------------------------------------------------------
  // Full rebuilds both layers and resizes the window; partial serves the animation ticks.
  void Redraw(bool full);
  void RedrawIfChanged();
  void SetMenuLabelVisible(bool visible);
  // The card as shown: the picture with its frame.
  [[nodiscard]] const Bitmap& FrameBitmap() const { return frame_bitmap_; }
  [[nodiscard]] const Bitmap& PictureLayer() const { return picture_layer_; }
  [[nodiscard]] bool AnyRedrawFlag() const { return flags_.Any(); }

  // --- Picture ------------------------------------------------------------------------------
  [[nodiscard]] const Picture& CardPicture() const { return card_picture_; }
  // The card picture and its pixels, decoded once for all the redraws that follow.
  void SetCardPicture(Picture picture);
  // The graphic class follows the file's extension: bmp, jpg/jpeg, ico, emf/wmf.
  bool LoadPicture(const std::string& file_name);
  // "File not found" when missing; "Data corrupt" when empty or unreadable.
  bool CheckFile(const std::string& file_name);

  // --- Sound --------------------------------------------------------------------------------
  [[nodiscard]] std::uint8_t pSoundType() const { return sound_type_; }
  [[nodiscard]] const std::vector<std::uint8_t>& SoundData() const { return sound_data_; }
  // Both stored as they come, as the card record stores them.
  void SetSoundType(int type) { sound_type_ = static_cast<std::uint8_t>(type); }
  void SetSoundData(std::vector<std::uint8_t> bytes) { sound_data_ = std::move(bytes); }
  bool LoadSound(const std::string& file_name);
  [[nodiscard]] bool HasSound() const;
  bool PlaySound();
  void StopSound();
  [[nodiscard]] bool IsPlaying() const;
  [[nodiscard]] bool CanPlaySound() const { return HasSound() && !IsPlaying(); }
  [[nodiscard]] bool CanStopSound() const { return HasSound() && IsPlaying(); }
  void RestartSound();
  void ClearSound();
  // "MID", "WAV" or "SND"; nothing when the card has no playable sound.
  [[nodiscard]] std::optional<std::string> SoundExtension() const;
  bool SaveSound(const std::string& file_name);

  // --- Cursor -------------------------------------------------------------------------------
  [[nodiscard]] const std::vector<std::uint8_t>& CursorData() const { return cursor_data_; }
  // An empty name brings back the hand-point cursor.
  bool LoadCursor(const std::string& file_name);
  void ResetCursor();
  [[nodiscard]] bool HasCursor() const;
  bool SaveCursor(const std::string& file_name);

  // --- Animations ---------------------------------------------------------------------------
  [[nodiscard]] TSAG& Animations() { return *animations_; }
  [[nodiscard]] const TSAG& Animations() const { return *animations_; }
  bool AddAnimation(const std::string& file_name);
  bool AddAnimationGroup(const std::string& file_name);
  bool SaveSelectedAnimation(const std::string& file_name);
  bool SaveAnimationGroup(const std::string& file_name);
  void SuspendAnimations(bool suspended) { animations_->Suspended = suspended; }
  [[nodiscard]] bool AnimationsSuspended() const { return animations_->Suspended; }
  [[nodiscard]] bool HasSelection() const { return animations_->HasSelection(); }

  // --- About screen -------------------------------------------------------------------------
  // The editor's own about picture, which every card it saves carries.
  void SetAboutPicture(const Picture& picture);
  void SyncAboutPicture();
  // Shows the about box with the card's about picture, which is decoded only now.
  void ShowAbout();
  [[nodiscard]] const TCompactSplash& AboutScreen() const { return *about_screen_; }

  // --- Window -------------------------------------------------------------------------------
  [[nodiscard]] CardWindow& Window() { return *window_; }
  void ShowCardWindow();
  void HideCardWindow() { window_->Hide(); }
  void CenterCardWindow();

  // --- Player -------------------------------------------------------------------------------
  // The player's start: reads the card from the program's own executable and shows and plays
  // it. On failure shows the error and ends the program.
  bool StartPlayer(const std::string& own_executable);
  // What the two labels and the player menu's items do.
  enum class PlayerCommand {
    kLink,
    kMenu,
    kPlay,
    kStop,
    kAbout,
    kEdit,
    kSendToDesktop,
    kSendToStartButton,
    kExit,
  };
  void HandleClick(PlayerCommand command);
  // Copies the running card executable into the folder under a name the user confirms; the
  // copy's path, or nothing when cancelled or refused.
  std::optional<std::string> SendTo(const std::string& folder);
  void EditCard();
  void ExitPlayer();
  [[nodiscard]] bool CanEdit() const;
  // Where the editor keeps a copy of itself for the player's "Edit".
  static std::string EditorPath();
  [[nodiscard]] const PopupMenu& PlayerMenu() const { return player_menu_; }

 private:
  // Which parts of the card a RedrawIfChanged must repaint.
  struct RedrawFlags {
    bool link_colour = false;
    bool colour = false;
    bool link = false;
    bool size = false;
    [[nodiscard]] bool Any() const { return link_colour || colour || link || size; }
  };

  // Computed properties of the card record: each packs or unpacks its object and compresses.
  [[nodiscard]] std::string PackedPicture(const Picture& picture) const;
  // Nothing when the packed record does not inflate or read, or is too large for a card.
  [[nodiscard]] std::optional<Picture> UnpackPicture(const std::string& packed) const;
  // The decoded pixels the card holds: its picture and its animations' strips.
  [[nodiscard]] std::int64_t DecodedPixels() const;
  [[nodiscard]] std::string PackedSound() const;
  void UnpackSound(std::string packed);
  [[nodiscard]] std::string PackedCursor() const;
  void UnpackCursor(std::string packed);
  // Puts CursorData into the cursor slot; false when it is not a cursor file.
  bool ShowCursorData();

  void DrawFrameLayer(bool resize);
  void DrawLabels(bool to_layer);
  void PaintWindow();
  void AnimationTick();
  void RedrawArea(Rect area);
  [[nodiscard]] Point ToPicture(Point window_point) const;
  // The drag cursor over a movable animation in the editor, the card's cursor elsewhere.
  void SetHoverCursor(bool over_animation);
  // Moves the window with a left drag that did not grab an animation.
  void DragWindow(Point pointer);
  void BuildPlayerMenu();
  void OpenPlayerMenu();
  // The desktop's application-menu entry that starts the card.
  void WriteMenuEntry(const std::string& card);

  // WindowEventReceiver
  void OnMouseDown(const MouseEvent& event) override;
  void OnMouseMove(const MouseEvent& event) override;
  void OnMouseUp(const MouseEvent& event) override;
  bool OnKeyDown(const KeyEvent& event) override;
  void OnPaint() override;
  void OnClose() override;

  Platform& platform_;
  const CardMode mode_;
  bool saved_ = false;
  RedrawFlags flags_;
  std::string last_error_;
  std::string file_name_;

  Picture card_picture_;
  Bitmap picture_pixels_;
  // Both as the card record stores them (compressed); empty when there is none. The editor's own
  // about picture goes into every card it saves; the card's is decoded only when About shows.
  std::string about_picture_packed_;
  std::string about_screen_packed_;
  // The card read last holds more pixels than a card may: the read fails.
  bool over_pixel_budget_ = false;

  int split_ = 0;
  int shade_ = 0;
  int size_ = 0;
  Colour colour_ = 0;
  bool swap_colour_ = false;
  Colour link_colour_ = 0;

  std::uint8_t sound_type_ = kNoSound;
  std::vector<std::uint8_t> sound_data_;
  std::vector<std::uint8_t> cursor_data_;
  MemoryStream undo_data_;
  std::vector<std::uint8_t> player_stub_;

  Bitmap frame_bitmap_;
  Bitmap picture_layer_;

  std::unique_ptr<CardWindow> window_;
  std::unique_ptr<TWaveMidi> sound_player_;
  std::unique_ptr<TCompactSplash> about_screen_;
  std::unique_ptr<TSimpleLabels> labels_;
  TSimpleLabel* link_label_ = nullptr;
  TSimpleLabel* menu_label_ = nullptr;
  std::unique_ptr<TSAG> animations_;
  // Drives the animations every 8 ms; its ticks run on the main thread.
  std::unique_ptr<TFastTimer> animation_timer_;
  PopupMenu player_menu_;
  struct PlayerMenuItems {
    int play = -1;
    int stop = -1;
    int edit = -1;
    int send_to_desktop = -1;
    int send_to_start = -1;
    int exit = -1;
  } menu_items_;
  std::string own_executable_;
  // The left button went down on the card outside the labels, at this window point.
  bool dragging_ = false;
  Point drag_start_;
  // The window system was offered the window drag of this press.
  bool drag_offered_ = false;
};

}  // namespace plorvane

// The card's picture, sound and cursor, loaded from files and saved back to them.
#include <unistd.h>

#include <algorithm>
#include <new>

#include "card/card.h"
#include "graphics/bitmap_graphic.h"
#include "graphics/bmp_codec.h"
#include "graphics/cursor_codec.h"
#include "graphics/icon_graphic.h"
#include "graphics/jpeg_graphic.h"
#include "graphics/metafile_graphic.h"
#include "media/mci_error.h"
#include "support/file_io.h"
#include "support/general.h"
#include "support/limits.h"
#include "support/messages.h"
#include "support/text_case.h"

namespace plorvane {
namespace {

std::string ExtensionOf(const std::string& file_name) {
  const auto dot = file_name.find_last_of('.');
  const auto slash = file_name.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return ToUpperAscii(std::string_view(file_name).substr(dot + 1));
}

// The graphic class is chosen by the file's extension, as the picture dialogs offer them.
std::unique_ptr<Graphic> GraphicFromFile(const std::string& file_name, std::vector<std::uint8_t> bytes) {
  const std::string extension = ExtensionOf(file_name);
  if (extension == "BMP") {
    Bitmap bitmap;
    if (!ReadBmp(bytes, bitmap)) return nullptr;
    return std::make_unique<TBitmap>(std::move(bitmap));
  }
  if (extension == "JPG" || extension == "JPEG" || extension == "JPE" || extension == "JFIF") {
    return TJPEGImage::FromBytes(std::move(bytes));
  }
  if (extension == "ICO") return TIcon::FromBytes(std::move(bytes));
  if (extension == "EMF" || extension == "WMF") return TMetafile::FromBytes(std::move(bytes));
  return nullptr;
}

}  // namespace

bool TZarvickV2::CheckFile(const std::string& file_name) {
  last_error_ = msg::kFileNotFound;
  if (::access(file_name.c_str(), F_OK) != 0) return false;
  last_error_ = msg::kDataCorrupt;
  return TGeneral::FileSize(file_name) > 0;
}

bool TZarvickV2::LoadPicture(const std::string& file_name) {
  if (!CheckFile(file_name)) return false;
  last_error_ = msg::kUnknownFormat;
  BeginChange();
  last_error_ = msg::kUnknownFormat;
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(file_name, bytes, limits::kMaxDocumentBytes) != FileResult::kOk) return false;
  auto graphic = GraphicFromFile(file_name, std::move(bytes));
  if (!graphic || graphic->Empty()) return false;
  Picture picture;
  picture.SetGraphic(std::move(graphic));
  SetCardPicture(std::move(picture));
  Redraw(true);
  return true;
}

bool TZarvickV2::LoadSound(const std::string& file_name) {
  if (!CheckFile(file_name)) return false;
  last_error_ = msg::kUnknownFormat;
  const int kind = sound_player_->SoundTypeOfFile(file_name);
  if (kind != kMidiSound && kind != kWaveSound) return false;
  last_error_ = msg::kOutOfMemory;
  BeginChange();
  last_error_ = msg::kOutOfMemory;
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(file_name, bytes, limits::kMaxDocumentBytes) != FileResult::kOk || bytes.empty()) {
    ClearSound();
    return false;
  }
  sound_data_ = std::move(bytes);
  sound_type_ = static_cast<std::uint8_t>(kind);
  RestartSound();
  return true;
}

bool TZarvickV2::HasSound() const {
  return !sound_data_.empty() && (sound_type_ == kMidiSound || sound_type_ == kWaveSound);
}

bool TZarvickV2::PlaySound() {
  if (!HasSound()) return true;
  StopSound();
  // The device gets the bytes themselves rather than a temporary file: a player that is killed
  // leaves nothing behind, and a full temporary folder cannot silence the card.
  sound_player_->DeviceType = sound_type_ == kMidiSound ? TMPDeviceTypes::dtSequencer : TMPDeviceTypes::dtWaveAudio;
  last_error_ = msg::kTaskFailed;
  try {
    sound_player_->OpenData(sound_data_);
    try {
      sound_player_->Play();
    } catch (const EMCIDeviceError&) {
      // The device's own result below says what went wrong.
    }
  } catch (const EMCIDeviceError&) {
  } catch (const std::bad_alloc&) {
    last_error_ = msg::kOutOfMemory;  // the device's copy of the sound
    return false;
  }
  animations_->RestartAll();
  if (sound_player_->LastError() != 0) {
    last_error_ = sound_player_->ErrorText();
    return false;
  }
  return true;
}

void TZarvickV2::StopSound() {
  try {
    sound_player_->Stop();
  } catch (const EMCIDeviceError&) {
    // Nothing was open: nothing to stop.
  }
  sound_player_->Close();
}

bool TZarvickV2::IsPlaying() const { return sound_player_->Mode() == kSoundModePlaying; }

void TZarvickV2::RestartSound() {
  const bool was_playing = IsPlaying();
  StopSound();
  if (was_playing) PlaySound();
}

void TZarvickV2::ClearSound() {
  StopSound();
  sound_type_ = kNoSound;
  sound_data_.clear();
}

std::optional<std::string> TZarvickV2::SoundExtension() const {
  if (!HasSound()) return std::nullopt;
  return sound_type_ == kMidiSound ? "MID" : "WAV";
}

bool TZarvickV2::SaveSound(const std::string& file_name) {
  last_error_ = msg::kTaskFailed;
  if (!HasSound()) return false;
  const FileResult result = WriteFileReplacing(file_name, sound_data_);
  last_error_ = FileResultText(result);
  return result == FileResult::kOk;
}

bool TZarvickV2::ShowCursorData() {
  CursorImage image;
  return DecodeCursorFile(cursor_data_, image) && platform_.cursors().SetSlotCursor(image);
}

bool TZarvickV2::LoadCursor(const std::string& file_name) {
  last_error_ = msg::kOutOfMemory;
  if (file_name.empty()) {
    BeginChange();
    ResetCursor();
    return true;
  }
  if (!CheckFile(file_name)) return false;
  last_error_ = msg::kUnknownFormat;
  BeginChange();
  last_error_ = msg::kUnknownFormat;
  std::vector<std::uint8_t> bytes;
  CursorImage image;
  if (ReadWholeFile(file_name, bytes, limits::kMaxDocumentBytes) != FileResult::kOk ||
      !DecodeCursorFile(bytes, image) || !platform_.cursors().SetSlotCursor(image)) {
    return false;
  }
  cursor_data_ = std::move(bytes);
  return true;
}

void TZarvickV2::ResetCursor() {
  platform_.cursors().ResetSlotToHandPoint();
  cursor_data_.clear();
}

bool TZarvickV2::HasCursor() const { return !platform_.cursors().SlotHoldsHandPoint() && !cursor_data_.empty(); }

bool TZarvickV2::SaveCursor(const std::string& file_name) {
  last_error_ = msg::kUnexpectedError;
  if (platform_.cursors().SlotHoldsHandPoint()) return false;
  const FileResult result = WriteFileReplacing(file_name, cursor_data_);
  last_error_ = FileResultText(result);
  return result == FileResult::kOk;
}

}  // namespace plorvane

#include "platform/sdl/sdl_sound_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <span>
#include <utility>

#include "graphics/little_endian.h"
#include "media/sound_kind.h"
#include "support/file_io.h"
#include "support/limits.h"

namespace plorvane {
namespace {

using Bytes = std::span<const std::uint8_t>;

// The standard MIDI file inside a RIFF RMID wrapper: the "data" chunk behind the form type.
Bytes UnwrappedMidi(Bytes file) {
  constexpr std::size_t kFirstChunk = 12;
  constexpr std::string_view kDataChunk = "data";
  std::size_t at = kFirstChunk;
  std::uint32_t size = 0;
  while (le::ReadU32(file, at + 4, size)) {
    const std::size_t body = at + 8;
    if (size > file.size() - body) return {};
    if (std::equal(kDataChunk.begin(), kDataChunk.end(), file.begin() + static_cast<std::ptrdiff_t>(at))) {
      return file.subspan(body, size);
    }
    at = body + size + (size % 2);  // chunks are padded to even lengths
  }
  return {};
}

}  // namespace

SdlSoundDevice::~SdlSoundDevice() { Close(); }

int SdlSoundDevice::Fail(int code, std::string detail) {
  detail_code_ = code;
  detail_ = std::move(detail);
  return code;
}

int SdlSoundDevice::Open(const std::string& file_name, SoundDeviceType type) {
  Close();
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(file_name, bytes, limits::kMaxDocumentBytes) != FileResult::kOk) {
    return Fail(kSdlSoundFileNotFound, {});
  }
  return OpenData(std::move(bytes), type);
}

int SdlSoundDevice::OpenData(std::vector<std::uint8_t> bytes, SoundDeviceType type) {
  Close();
  const int kind = DetectSoundKind(bytes);
  // The device types carry the kinds' codes: 1 sequencer, 2 wave audio.
  if (kind == kSoundKindNone || (type != SoundDeviceType::kAutoSelect && static_cast<int>(type) != kind)) {
    return Fail(kSdlSoundUnsupportedFile, {});
  }
  if (!owner_.EnsureAudio()) return Fail(kSdlSoundNoAudioDevice, owner_.LastAudioError());
  bytes_ = std::move(bytes);
  const bool wrapped_midi = kind == kSoundKindMidi && bytes_.front() == 'R';
  const Bytes music = wrapped_midi ? UnwrappedMidi(bytes_) : Bytes(bytes_);
  if (music.empty()) {
    bytes_.clear();
    return Fail(kSdlSoundCannotDecode, {});
  }
  SDL_ClearError();
  SDL_RWops* source = SDL_RWFromConstMem(music.data(), static_cast<int>(music.size()));
  music_ = source == nullptr ? nullptr : Mix_LoadMUSType_RW(source, kind == kSoundKindMidi ? MUS_MID : MUS_WAV, 1);
  if (music_ == nullptr) {
    bytes_.clear();
    return Fail(kSdlSoundCannotDecode, Mix_GetError());
  }
  return kSoundOk;
}

int SdlSoundDevice::Play() {
  if (music_ == nullptr) return kSdlSoundNotOpen;
  // Taking the stream halts whatever another device was playing on it.
  if (Mix_PlayMusic(music_, 0) != 0) return Fail(kSdlSoundCannotPlay, Mix_GetError());
  owner_.music_owner_ = this;
  return kSoundOk;
}

int SdlSoundDevice::Stop() {
  if (music_ == nullptr) return kSdlSoundNotOpen;
  if (OwnsStream()) Mix_HaltMusic();
  return kSoundOk;
}

int SdlSoundDevice::Close() {
  if (music_ == nullptr) return kSdlSoundNotOpen;
  if (OwnsStream()) {
    Mix_HaltMusic();
    owner_.music_owner_ = nullptr;
  }
  Mix_FreeMusic(music_);
  music_ = nullptr;
  bytes_.clear();
  return kSoundOk;
}

int SdlSoundDevice::Mode() const {
  if (music_ == nullptr) return kSoundModeNotReady;
  return OwnsStream() && Mix_PlayingMusic() != 0 ? kSoundModePlaying : kSoundModeStopped;
}

std::string SdlSoundDevice::ErrorText(int code) const {
  std::string text;
  switch (code) {
    case kSoundOk:
      return "No error";
    case kSdlSoundFileNotFound:
      text = "The sound file cannot be read";
      break;
    case kSdlSoundUnsupportedFile:
      text = "The sound device cannot play this file";
      break;
    case kSdlSoundNotOpen:
      text = "The sound device is not open";
      break;
    case kSdlSoundNoAudioDevice:
      text = "No audio device is available";
      break;
    case kSdlSoundCannotDecode:
      text = "The sound file is damaged";
      break;
    case kSdlSoundCannotPlay:
      text = "The sound cannot be played";
      break;
    default:
      return "Unknown error code";
  }
  return code != detail_code_ || detail_.empty() ? text : text + " (" + detail_ + ")";
}

}  // namespace plorvane

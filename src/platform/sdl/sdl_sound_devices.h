#pragma once
// Sound devices on SDL2_mixer: wave files directly, MIDI files through FluidSynth with the
// General MIDI soundfont Debian installs. The audio device opens with the first sound, so a card
// without sound never touches the audio system.
//
// SDL_mixer has one music stream. Each device plays through it in turn: a device counts as
// playing only while the stream plays its own sound, and closing one device leaves another's
// sound alone.
//
// Devices are used from one thread and must not outlive the SdlSoundDevices that made them. No
// SDL_mixer hook is installed, so the audio thread shares nothing with this code; whether the
// stream still plays is asked of SDL_mixer, which locks the audio thread for it.

#include <memory>
#include <string>
#include <vector>

#include "platform/sound_device.h"

namespace plorvane {

class SdlSoundDevice;

inline constexpr int kSdlSoundFileNotFound = 1;
inline constexpr int kSdlSoundUnsupportedFile = 2;
inline constexpr int kSdlSoundNotOpen = 3;
inline constexpr int kSdlSoundNoAudioDevice = 4;
inline constexpr int kSdlSoundCannotDecode = 5;
inline constexpr int kSdlSoundCannotPlay = 6;

class SdlSoundDevices final : public SoundDevices {
 public:
  SdlSoundDevices();
  ~SdlSoundDevices() override;
  SdlSoundDevices(const SdlSoundDevices&) = delete;
  SdlSoundDevices& operator=(const SdlSoundDevices&) = delete;

  [[nodiscard]] std::unique_ptr<SoundDevice> CreateSoundDevice() override;

 private:
  friend class SdlSoundDevice;

  // Opens the audio device once; false (and LastAudioError) when there is none.
  bool EnsureAudio();
  [[nodiscard]] const std::string& LastAudioError() const { return audio_error_; }

  bool audio_open_ = false;
  std::string audio_error_;
  // The device whose sound the music stream holds, or nullptr.
  const SdlSoundDevice* music_owner_ = nullptr;
};

}  // namespace plorvane

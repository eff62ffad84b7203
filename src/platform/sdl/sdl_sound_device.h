#pragma once
// One sound file on the SDL_mixer music stream (see sdl_sound_devices.h).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sdl/sdl_sound_devices.h"

struct _Mix_Music;

namespace plorvane {

class SdlSoundDevice final : public SoundDevice {
 public:
  explicit SdlSoundDevice(SdlSoundDevices& owner) : owner_(owner) {}
  ~SdlSoundDevice() override;
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  int Open(const std::string& file_name, SoundDeviceType type) override;
  int OpenData(std::vector<std::uint8_t> bytes, SoundDeviceType type) override;
  int Play() override;
  int Stop() override;
  int Close() override;
  [[nodiscard]] bool IsOpen() const override { return music_ != nullptr; }
  [[nodiscard]] int Mode() const override;
  [[nodiscard]] std::string ErrorText(int code) const override;

 private:
  [[nodiscard]] bool OwnsStream() const { return owner_.music_owner_ == this; }
  // Keeps SDL's own words about this failure for ErrorText of the same code.
  int Fail(int code, std::string detail);

  SdlSoundDevices& owner_;
  // The file's bytes: SDL_mixer streams a wave from them while it plays.
  std::vector<std::uint8_t> bytes_;
  _Mix_Music* music_ = nullptr;
  int detail_code_ = kSoundOk;
  std::string detail_;
};

}  // namespace plorvane

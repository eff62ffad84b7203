#pragma once
// The sound player: one sound file opened on a sound device of the platform, played and stopped
// the way the card expects. Open, Play and Stop raise EMCIDeviceError; everything else never
// raises.
//
// There is no wait override: the platform's devices finish every command before answering, so
// asking a command to wait or not to wait would change nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/mci_error.h"
#include "platform/sound_device.h"

namespace plorvane {

enum class TMPDeviceTypes { dtAutoSelect = 0, dtSequencer = 1, dtWaveAudio = 2 };

class TWaveMidi {
 public:
  explicit TWaveMidi(SoundDevices& devices) : devices_(devices) {}
  // Closes an open device.
  ~TWaveMidi();
  TWaveMidi(const TWaveMidi&) = delete;
  TWaveMidi& operator=(const TWaveMidi&) = delete;

  TMPDeviceTypes DeviceType = TMPDeviceTypes::dtAutoSelect;
  std::string FileName;

  // Opens FileName on DeviceType, closing an open device first.
  void Open();
  // Opens a sound file's bytes on DeviceType instead of FileName, closing an open device first.
  void OpenData(std::vector<std::uint8_t> bytes);
  void Close();
  // Each answers the device's result; raises "No MCI device open" on a closed player.
  int Play();
  int Stop();

  // A kSoundMode... value; never kSoundModePlaying on a closed player.
  [[nodiscard]] int Mode() const;
  [[nodiscard]] bool Opened() const { return opened_; }
  // The result of the last device command, 0 for success.
  [[nodiscard]] int LastError() const { return last_error_; }
  // The device's text for the last error, "Unknown error code" when it has none.
  [[nodiscard]] std::string ErrorText() const;

  // 2 wave, 1 MIDI, 0 neither or missing, judged by a private player of its own.
  [[nodiscard]] int SoundTypeOfFile(const std::string& file_name) const;

 private:
  // Bound to the device it needs first.
  SoundDevice* Device();
  // Takes the device's answer to an open: raises on failure.
  void TakeOpenResult(int code);
  void RequireOpen() const;

  SoundDevices& devices_;
  std::unique_ptr<SoundDevice> device_;
  bool opened_ = false;
  int last_error_ = kSoundOk;
};

}  // namespace plorvane

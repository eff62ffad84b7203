#pragma once
// A media device that plays one sound file, driven the way the sound player expects: open a file
// on a device type, play, stop, close, ask the mode, and turn an error code into a text.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace plorvane {

// Values as the sound type codes of a card: 1 MIDI, 2 wave.
enum class SoundDeviceType { kAutoSelect = 0, kSequencer = 1, kWaveAudio = 2 };

// Mode values; a closed device never answers kSoundModePlaying.
inline constexpr int kSoundModeNotReady = 0;
inline constexpr int kSoundModeStopped = 1;
inline constexpr int kSoundModePlaying = 2;
inline constexpr int kSoundModeRecording = 3;
inline constexpr int kSoundModeSeeking = 4;
inline constexpr int kSoundModePaused = 5;
inline constexpr int kSoundModeOpen = 6;

inline constexpr int kSoundOk = 0;

class SoundDevice {
 public:
  // Closes an open device.
  virtual ~SoundDevice() = default;

  // Each answers an error code, kSoundOk on success. Open closes a device opened before;
  // kAutoSelect lets the device pick by the file's content. Play returns at once while the
  // sound goes on; Play and Stop fail on a closed device.
  virtual int Open(const std::string& file_name, SoundDeviceType type) = 0;
  // Opens a sound file's bytes the same way; the device keeps them while it plays. Nothing
  // touches the disk, so no file is left behind when the program is killed.
  virtual int OpenData(std::vector<std::uint8_t> bytes, SoundDeviceType type) = 0;
  virtual int Play() = 0;
  virtual int Stop() = 0;
  virtual int Close() = 0;
  [[nodiscard]] virtual bool IsOpen() const = 0;
  [[nodiscard]] virtual int Mode() const = 0;
  // The device's own text for an error code it answered.
  [[nodiscard]] virtual std::string ErrorText(int code) const = 0;
};

class SoundDevices {
 public:
  virtual ~SoundDevices() = default;
  // A closed device. Several may exist at once (the card's player and a short-lived prober).
  [[nodiscard]] virtual std::unique_ptr<SoundDevice> CreateSoundDevice() = 0;
};

}  // namespace plorvane

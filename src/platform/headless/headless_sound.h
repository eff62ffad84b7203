#pragma once
// Sound devices that play nothing. A device opens a file when its first bytes fit the device
// type (a RIFF WAVE file for wave audio; a standard MIDI file, plain or in a RIFF RMID wrapper,
// for the sequencer; either for kAutoSelect), unless the test scripted the result. A played
// sound goes on until FinishPlayback, as a long sound would.

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/call_log.h"
#include "platform/sound_device.h"

namespace plorvane {

inline constexpr int kHeadlessSoundFileNotFound = 1;
inline constexpr int kHeadlessSoundUnsupportedFile = 2;
inline constexpr int kHeadlessSoundNotOpen = 3;

class HeadlessSoundDevice;

class HeadlessSoundDevices final : public SoundDevices {
 public:
  explicit HeadlessSoundDevices(CallLog& log) : log_(log) {}
  HeadlessSoundDevices(const HeadlessSoundDevices&) = delete;
  HeadlessSoundDevices& operator=(const HeadlessSoundDevices&) = delete;

  [[nodiscard]] std::unique_ptr<SoundDevice> CreateSoundDevice() override;

  // The results of the next Open or Play calls, in order, whatever the file holds.
  void ScriptOpenResult(int code) { open_results_.push_back(code); }
  void ScriptPlayResult(int code) { play_results_.push_back(code); }
  // The text ErrorText gives for a code (scripted codes need one).
  void SetErrorText(int code, std::string text) { error_texts_[code] = std::move(text); }
  // Every playing sound reaches its end.
  void FinishPlayback();
  // How many devices are open now, to check that none was left open.
  [[nodiscard]] int OpenDeviceCount() const;

 private:
  friend class HeadlessSoundDevice;

  int TakeOpenResult(int file_result);
  int TakePlayResult();
  [[nodiscard]] std::string ErrorText(int code) const;

  CallLog& log_;
  int next_id_ = 1;
  std::vector<HeadlessSoundDevice*> devices_;
  std::deque<int> open_results_;
  std::deque<int> play_results_;
  std::map<int, std::string> error_texts_;
};

class HeadlessSoundDevice final : public SoundDevice {
 public:
  HeadlessSoundDevice(int id, HeadlessSoundDevices& owner);
  ~HeadlessSoundDevice() override;
  HeadlessSoundDevice(const HeadlessSoundDevice&) = delete;
  HeadlessSoundDevice& operator=(const HeadlessSoundDevice&) = delete;

  int Open(const std::string& file_name, SoundDeviceType type) override;
  // Logged as "open <type> <n> bytes -> <code>".
  int OpenData(std::vector<std::uint8_t> bytes, SoundDeviceType type) override;
  int Play() override;
  int Stop() override;
  int Close() override;
  [[nodiscard]] bool IsOpen() const override { return open_; }
  [[nodiscard]] int Mode() const override;
  [[nodiscard]] std::string ErrorText(int code) const override { return owner_.ErrorText(code); }

  void Finish() { playing_ = false; }

 private:
  void Record(const std::string& what) const;
  int OpenProbed(const std::string& what, int probe_result, SoundDeviceType type);

  const int id_;
  HeadlessSoundDevices& owner_;
  bool open_ = false;
  bool playing_ = false;
};

// What the headless device makes of a file's first bytes: kSequencer, kWaveAudio, or kAutoSelect
// for neither. Also used by tests that build sound files.
SoundDeviceType SoundTypeOfBytes(const std::string& first_bytes);

}  // namespace plorvane

#include "media/wave_midi.h"

#include <exception>
#include <filesystem>

#include "media/sound_kind.h"

namespace plorvane {
namespace {

// Stored as the last error when the platform could not give a device at all; no device has a
// text for it, so it reads "Unknown error code".
constexpr int kNoDeviceAvailable = -1;

SoundDeviceType ToDeviceType(TMPDeviceTypes type) {
  switch (type) {
    case TMPDeviceTypes::dtSequencer:
      return SoundDeviceType::kSequencer;
    case TMPDeviceTypes::dtWaveAudio:
      return SoundDeviceType::kWaveAudio;
    case TMPDeviceTypes::dtAutoSelect:
      break;
  }
  return SoundDeviceType::kAutoSelect;
}

// Opening raises on failure; here that only means "not this kind". Open closes a device opened
// by an earlier try.
bool OpensAs(TWaveMidi& player, TMPDeviceTypes type) {
  player.DeviceType = type;
  try {
    player.Open();
    return true;
  } catch (const EMCIDeviceError&) {
    return false;
  }
}

}  // namespace

TWaveMidi::~TWaveMidi() { Close(); }

SoundDevice* TWaveMidi::Device() {
  if (!device_) device_ = devices_.CreateSoundDevice();
  return device_.get();
}

void TWaveMidi::Open() {
  if (opened_) Close();
  SoundDevice* device = Device();
  TakeOpenResult(device ? device->Open(FileName, ToDeviceType(DeviceType)) : kNoDeviceAvailable);
}

void TWaveMidi::OpenData(std::vector<std::uint8_t> bytes) {
  if (opened_) Close();
  SoundDevice* device = Device();
  TakeOpenResult(device ? device->OpenData(std::move(bytes), ToDeviceType(DeviceType)) : kNoDeviceAvailable);
}

void TWaveMidi::TakeOpenResult(int code) {
  last_error_ = code;
  if (last_error_ != kSoundOk) throw EMCIDeviceError(ErrorText());
  opened_ = true;
}

void TWaveMidi::Close() {
  if (!opened_) return;
  last_error_ = device_->Close();
  if (last_error_ == kSoundOk) opened_ = false;
}

void TWaveMidi::RequireOpen() const {
  if (!opened_) throw EMCIDeviceError(std::string(msg::kNoMciDeviceOpen));
}

int TWaveMidi::Play() {
  RequireOpen();
  last_error_ = device_->Play();
  return last_error_;
}

int TWaveMidi::Stop() {
  RequireOpen();
  last_error_ = device_->Stop();
  return last_error_;
}

int TWaveMidi::Mode() const {
  if (!opened_ || !device_->IsOpen()) return kSoundModeNotReady;
  return device_->Mode();
}

std::string TWaveMidi::ErrorText() const {
  std::string text = device_ ? device_->ErrorText(last_error_) : std::string();
  if (text.empty()) text = msg::kUnknownErrorCode;
  return text;
}

int TWaveMidi::SoundTypeOfFile(const std::string& file_name) const {
  try {
    std::error_code error;
    if (!std::filesystem::exists(file_name, error)) return kSoundKindNone;
    TWaveMidi probe(devices_);
    probe.FileName = file_name;
    int kind = kSoundKindNone;
    if (OpensAs(probe, TMPDeviceTypes::dtWaveAudio)) {
      kind = kSoundKindWave;
    } else if (OpensAs(probe, TMPDeviceTypes::dtSequencer)) {
      kind = kSoundKindMidi;
    }
    if (probe.Opened()) probe.Stop();
    return kind;
  } catch (const std::exception&) {
    return kSoundKindNone;
  }
}

}  // namespace plorvane

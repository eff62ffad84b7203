#include "platform/headless/headless_sound.h"

#include <algorithm>
#include <fstream>
#include <span>

#include "media/sound_kind.h"

namespace plorvane {
namespace {

std::string_view TypeName(SoundDeviceType type) {
  switch (type) {
    case SoundDeviceType::kSequencer:
      return "sequencer";
    case SoundDeviceType::kWaveAudio:
      return "wave";
    case SoundDeviceType::kAutoSelect:
      break;
  }
  return "auto";
}

// kSoundOk when a sound starting with these bytes can be opened on `type`.
int ProbeBytes(const std::string& first_bytes, SoundDeviceType type) {
  const SoundDeviceType found = SoundTypeOfBytes(first_bytes);
  if (found == SoundDeviceType::kAutoSelect) return kHeadlessSoundUnsupportedFile;
  if (type != SoundDeviceType::kAutoSelect && type != found) return kHeadlessSoundUnsupportedFile;
  return kSoundOk;
}

int ProbeFile(const std::string& file_name, SoundDeviceType type) {
  std::ifstream file(file_name, std::ios::binary);
  if (!file) return kHeadlessSoundFileNotFound;
  std::string first(kSoundKindProbeBytes, '\0');
  file.read(first.data(), static_cast<std::streamsize>(first.size()));
  first.resize(static_cast<std::size_t>(file.gcount()));
  return ProbeBytes(first, type);
}

}  // namespace

SoundDeviceType SoundTypeOfBytes(const std::string& first_bytes) {
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(first_bytes.data()), first_bytes.size());
  switch (DetectSoundKind(bytes)) {
    case kSoundKindMidi:
      return SoundDeviceType::kSequencer;
    case kSoundKindWave:
      return SoundDeviceType::kWaveAudio;
    default:
      return SoundDeviceType::kAutoSelect;
  }
}

std::unique_ptr<SoundDevice> HeadlessSoundDevices::CreateSoundDevice() {
  auto device = std::make_unique<HeadlessSoundDevice>(next_id_++, *this);
  devices_.push_back(device.get());
  return device;
}

void HeadlessSoundDevices::FinishPlayback() {
  log_.Add("sound finished");
  for (HeadlessSoundDevice* device : devices_) device->Finish();
}

int HeadlessSoundDevices::OpenDeviceCount() const {
  return static_cast<int>(std::count_if(devices_.begin(), devices_.end(),
                                        [](const HeadlessSoundDevice* device) { return device->IsOpen(); }));
}

int HeadlessSoundDevices::TakeOpenResult(int file_result) {
  if (open_results_.empty()) return file_result;
  const int code = open_results_.front();
  open_results_.pop_front();
  return code;
}

int HeadlessSoundDevices::TakePlayResult() {
  if (play_results_.empty()) return kSoundOk;
  const int code = play_results_.front();
  play_results_.pop_front();
  return code;
}

std::string HeadlessSoundDevices::ErrorText(int code) const {
  if (const auto found = error_texts_.find(code); found != error_texts_.end()) return found->second;
  switch (code) {
    case kSoundOk:
      return "No error";
    case kHeadlessSoundFileNotFound:
      return "The sound file was not found";
    case kHeadlessSoundUnsupportedFile:
      return "The sound device cannot play this file";
    case kHeadlessSoundNotOpen:
      return "The sound device is not open";
    default:
      return "Unknown error code";
  }
}

HeadlessSoundDevice::HeadlessSoundDevice(int id, HeadlessSoundDevices& owner) : id_(id), owner_(owner) {
  Record("create");
}

HeadlessSoundDevice::~HeadlessSoundDevice() {
  if (open_) Close();
  Record("destroy");
  std::erase(owner_.devices_, this);
}

void HeadlessSoundDevice::Record(const std::string& what) const {
  owner_.log_.Add("sound " + std::to_string(id_) + ": " + what);
}

int HeadlessSoundDevice::Open(const std::string& file_name, SoundDeviceType type) {
  if (open_) Close();
  return OpenProbed(file_name, ProbeFile(file_name, type), type);
}

int HeadlessSoundDevice::OpenData(std::vector<std::uint8_t> bytes, SoundDeviceType type) {
  if (open_) Close();
  const std::size_t probed = std::min(bytes.size(), kSoundKindProbeBytes);
  const std::string first(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(probed));
  return OpenProbed(std::to_string(bytes.size()) + " bytes", ProbeBytes(first, type), type);
}

int HeadlessSoundDevice::OpenProbed(const std::string& what, int probe_result, SoundDeviceType type) {
  const int code = owner_.TakeOpenResult(probe_result);
  Record("open " + std::string(TypeName(type)) + " " + what + " -> " + std::to_string(code));
  open_ = code == kSoundOk;
  playing_ = false;
  return code;
}

int HeadlessSoundDevice::Play() {
  const int code = open_ ? owner_.TakePlayResult() : kHeadlessSoundNotOpen;
  Record("play -> " + std::to_string(code));
  if (code == kSoundOk) playing_ = true;
  return code;
}

int HeadlessSoundDevice::Stop() {
  const int code = open_ ? kSoundOk : kHeadlessSoundNotOpen;
  Record("stop -> " + std::to_string(code));
  playing_ = false;
  return code;
}

int HeadlessSoundDevice::Close() {
  Record("close");
  open_ = false;
  playing_ = false;
  return kSoundOk;
}

int HeadlessSoundDevice::Mode() const {
  if (!open_) return kSoundModeNotReady;
  return playing_ ? kSoundModePlaying : kSoundModeStopped;
}

}  // namespace plorvane

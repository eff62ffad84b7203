#include "platform/sdl/sdl_sound_devices.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>

#include "platform/sdl/sdl_sound_device.h"

namespace plorvane {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSamples = 2048;

// The General MIDI soundfont MIDI files play with; empty when none is installed.
std::string InstalledSoundFont() {
  for (const char* candidate : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return {};
}

}  // namespace

SdlSoundDevices::SdlSoundDevices() = default;

SdlSoundDevices::~SdlSoundDevices() {
  if (!audio_open_) return;
  Mix_HaltMusic();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<SoundDevice> SdlSoundDevices::CreateSoundDevice() { return std::make_unique<SdlSoundDevice>(*this); }

bool SdlSoundDevices::EnsureAudio() {
  if (audio_open_) return true;
  // SDL would otherwise turn SIGINT and SIGTERM into a quit event nobody reads, and the program
  // could no longer be ended; the program handles those signals itself.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    audio_error_ = SDL_GetError();
    return false;
  }
  // MIDI plays through FluidSynth, which needs its soundfont before the first file loads.
  Mix_Init(MIX_INIT_MID);
  if (const std::string font = InstalledSoundFont(); !font.empty()) Mix_SetSoundFonts(font.c_str());
  if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkSamples) != 0) {
    audio_error_ = Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  audio_open_ = true;
  return true;
}

}  // namespace plorvane

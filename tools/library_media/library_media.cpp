#include "library_media.h"

#include <cstdint>

#include "animation_arts.h"
#include "animation_groups.h"
#include "support/file_io.h"
#include "tune_arrangement.h"
#include "tunes.h"
#include "wave_sounds.h"

namespace plorvane::library {
namespace {

using art::Rgb;

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
  const FileResult result = WriteFileReplacing(path, bytes);
  if (result != FileResult::kOk) error = "cannot write " + path + ": " + std::string(FileResultText(result));
  return result == FileResult::kOk;
}

LibraryFile TuneFile(const Tune& tune) {
  return {std::string(tune.name) + ".mid", [tune](const std::string& path, std::string& error) {
            const Arrangement arrangement = ArrangeTune(tune);
            if (!arrangement.error.empty()) {
              error = arrangement.error;
              return false;
            }
            return WriteBytes(path, EncodeMidiFile(arrangement.song), error);
          }};
}

LibraryFile SoundFile(std::string name, std::vector<std::uint8_t> (*synthesize)()) {
  return {std::move(name), [synthesize](const std::string& path, std::string& error) {
            return WriteBytes(path, synthesize(), error);
          }};
}

LibraryFile AnimationFile(AnimationArt art) {
  std::string name = art.name + ".san";
  return {std::move(name), [art = std::move(art)](const std::string& path, std::string& error) {
            auto animation = MakeAnimation(art);
            if (animation && animation->SaveToFile(path)) return true;
            error = art.name + ": " + (animation ? animation->LastError() : std::string("cannot draw it"));
            return false;
          }};
}

LibraryFile GroupFile(GroupArt group) {
  std::string name = group.name + ".sag";
  return {std::move(name), [group = std::move(group)](const std::string& path, std::string& error) {
            return WriteGroup(group, path, error);
          }};
}

std::vector<AnimationArt> LibraryAnimations() {
  return {FloatingHearts(),
          BeatingHeart(Rgb(225, 30, 70)),
          TwinklingStar(Rgb(255, 205, 40)),
          ShootingStar(),
          Sparkles(),
          FallingSnow(),
          SpinningSnowflake(),
          SwingingBell(),
          Balloon("Red Balloon", Rgb(225, 40, 50)),
          FallingConfetti(),
          BirthdayCandle(),
          GiftBox(),
          FireworkBurst("Firework Burst", Rgb(255, 90, 120)),
          BloomingFlower("Blooming Flower", Rgb(240, 90, 160)),
          SpinningDaisy(),
          Butterfly("Fluttering Butterfly", Rgb(250, 150, 30), Rgb(255, 240, 200)),
          Banner("Happy Birthday Banner", "HAPPY BIRTHDAY!", Rgb(215, 35, 60), Rgb(255, 220, 60)),
          Banner("Congratulations Banner", "CONGRATULATIONS!", Rgb(40, 90, 200), Rgb(255, 255, 255)),
          Banner("Merry Christmas Banner", "MERRY CHRISTMAS!", Rgb(30, 140, 70), Rgb(255, 205, 40)),
          Banner("Happy New Year Banner", "HAPPY NEW YEAR!", Rgb(110, 40, 160), Rgb(255, 215, 80))};
}

}  // namespace

std::vector<LibraryFile> LibraryMediaFiles() {
  std::vector<LibraryFile> files;
  for (const auto& tunes : {CelebrationTunes(), ChristmasTunes(), ClassicalTunes(), FolkTunes()}) {
    for (const Tune& tune : tunes) files.push_back(TuneFile(tune));
  }
  files.push_back(SoundFile("Chime.wav", SynthesizeChime));
  files.push_back(SoundFile("Fanfare.wav", SynthesizeFanfare));
  files.push_back(SoundFile("Sparkle.wav", SynthesizeSparkle));
  for (AnimationArt& art : LibraryAnimations()) files.push_back(AnimationFile(std::move(art)));
  for (GroupArt& group : LibraryGroups()) files.push_back(GroupFile(std::move(group)));
  return files;
}

bool WriteLibraryMedia(const std::string& folder, std::string& error) {
  for (const LibraryFile& file : LibraryMediaFiles()) {
    if (!file.write(folder + "/" + file.name, error)) return false;
  }
  return true;
}

}  // namespace plorvane::library

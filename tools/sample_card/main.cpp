// Writes the sample card executable: plorvane-sample-card <player image> <card file>
#include <cstdio>
#include <filesystem>

#include "platform/headless/headless_platform.h"
#include "sample_card.h"
#include "support/file_io.h"

int main(int argc, char** argv) {
  using namespace plorvane;
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <player image> <card file>\n", argv[0]);
    return 2;
  }
  std::vector<std::uint8_t> image;
  if (ReadWholeFile(argv[1], image, kCardStreamOffset) != FileResult::kOk) {
    std::fprintf(stderr, "cannot read the player image %s\n", argv[1]);
    return 1;
  }
  HeadlessPlatform platform;
  TZarvickV2 card(platform, CardMode::kEditor);
  card.SetPlayerStub(std::move(image));
  const std::string folder = std::filesystem::path(argv[2]).parent_path().string();
  if (!tools::MakeSampleCard(card, folder.empty() ? "." : folder) || !card.SaveToExecutable(argv[2])) {
    std::fprintf(stderr, "cannot write the sample card: %s\n", card.LastError().c_str());
    return 1;
  }
  return 0;
}

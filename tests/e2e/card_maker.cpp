#include "e2e/card_maker.h"

#include "platform/headless/headless_platform.h"
#include "support/file_io.h"

namespace plorvane::e2e {

const std::vector<std::uint8_t>& PlayerImage() {
  static const std::vector<std::uint8_t> image = [] {
    std::vector<std::uint8_t> bytes;
    static_cast<void>(ReadWholeFile(PLORVANE_PLAYER_IMAGE_FILE, bytes, 1 << 20));
    return bytes;
  }();
  return image;
}

bool MakeCard(const std::string& path, const std::function<bool(TZarvickV2&)>& prepare, std::string& error) {
  HeadlessPlatform platform;
  TZarvickV2 card(platform, CardMode::kEditor);
  card.SetPlayerStub(PlayerImage());
  const bool made = prepare(card) && card.SaveToExecutable(path);
  error = card.LastError();
  return made;
}

}  // namespace plorvane::e2e

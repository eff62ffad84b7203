#include "animation/element_rec.h"

#include <algorithm>

namespace plorvane {
namespace {

constexpr std::int32_t kMaxScrollStep = 99;
constexpr std::int32_t kMaxScrollOffset = 100;
constexpr std::int32_t kMaxInterval = 5000;
constexpr std::uint8_t kMaxFlashMode = 2;

}  // namespace

void ClampElementSettings(TElementRec& record) {
  record.pSH = std::clamp(record.pSH, -kMaxScrollStep, kMaxScrollStep);
  record.pSV = std::clamp(record.pSV, -kMaxScrollStep, kMaxScrollStep);
  if (record.pSH == 0) record.pSSH = 0;
  if (record.pSV == 0) record.pSSV = 0;
  record.pSSH = std::clamp(record.pSSH, -kMaxScrollOffset, kMaxScrollOffset);
  record.pSSV = std::clamp(record.pSSV, -kMaxScrollOffset, kMaxScrollOffset);
  record.pD = std::clamp(record.pD, 0, kMaxInterval);
  record.pF = std::min(record.pF, kMaxFlashMode);
}

}  // namespace plorvane

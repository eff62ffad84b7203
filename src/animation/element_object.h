#pragma once
// TAEO: the persistent form of one placed element, alive only while a group is written or
// read. Size, frame count, timing state and Shown are not stored: they come from the
// animation and from playback.

#include <cstdint>
#include <string_view>

#include "animation/element_rec.h"
#include "streaming/published_properties.h"

namespace plorvane {

class TAEO {
 public:
  static constexpr std::string_view kClassName = "TAEO";
  static const PublishedProperties<TAEO>& Published();

  static TAEO FromRecord(const TElementRec& record);
  // The stored fields over DefaultElement(); pF clamped to 0..2 both ways.
  [[nodiscard]] TElementRec ToRecord() const;

  std::int32_t pX = 0;
  std::int32_t pY = 0;
  bool pT = false;
  std::int32_t pID = -1;
  bool pFV = false;
  bool pFH = false;
  std::int32_t pD = 0;
  std::int32_t pI = 1;
  std::int32_t pF = 0;
  bool pFS = false;
  std::int32_t pSH = 0;
  std::int32_t pSV = 0;
  std::int32_t pSSH = 0;
  std::int32_t pSSV = 0;
};

}  // namespace plorvane

#include "animation/element_object.h"

#include <algorithm>
#include <functional>

namespace plorvane {
namespace {

constexpr std::int32_t kMaxFlashMode = 2;

std::uint8_t ClampFlashMode(std::int32_t mode) { return static_cast<std::uint8_t>(std::clamp(mode, 0, kMaxFlashMode)); }

std::function<bool(const TAEO&)> FlagGetter(bool TAEO::*field) {
  return [field](const TAEO& element) { return element.*field; };
}
std::function<void(TAEO&, bool)> FlagSetter(bool TAEO::*field) {
  return [field](TAEO& element, bool value) { element.*field = value; };
}

}  // namespace

const PublishedProperties<TAEO>& TAEO::Published() {
  static const auto properties = PublishedProperties<TAEO>()
                                     .Integer("pX", &TAEO::pX)
                                     .Integer("pY", &TAEO::pY)
                                     .Boolean("pT", FlagGetter(&TAEO::pT), FlagSetter(&TAEO::pT))
                                     .Integer("pID", &TAEO::pID)
                                     .Boolean("pFV", FlagGetter(&TAEO::pFV), FlagSetter(&TAEO::pFV))
                                     .Boolean("pFH", FlagGetter(&TAEO::pFH), FlagSetter(&TAEO::pFH))
                                     .Integer("pD", &TAEO::pD)
                                     .Integer("pI", &TAEO::pI)
                                     .Integer("pF", &TAEO::pF)
                                     .Boolean("pFS", FlagGetter(&TAEO::pFS), FlagSetter(&TAEO::pFS))
                                     .Integer("pSH", &TAEO::pSH)
                                     .Integer("pSV", &TAEO::pSV)
                                     .Integer("pSSH", &TAEO::pSSH)
                                     .Integer("pSSV", &TAEO::pSSV);
  return properties;
}

TAEO TAEO::FromRecord(const TElementRec& record) {
  TAEO element;
  element.pX = record.pX;
  element.pY = record.pY;
  element.pT = record.pT;
  element.pID = record.pID;
  element.pFV = record.pFV;
  element.pFH = record.pFH;
  element.pD = record.pD;
  element.pI = record.pI;
  element.pF = ClampFlashMode(record.pF);
  element.pFS = record.pFS;
  element.pSH = record.pSH;
  element.pSV = record.pSV;
  element.pSSH = record.pSSH;
  element.pSSV = record.pSSV;
  return element;
}

TElementRec TAEO::ToRecord() const {
  TElementRec record = DefaultElement();
  record.pX = pX;
  record.pY = pY;
  record.pT = pT;
  record.pID = pID;
  record.pFV = pFV;
  record.pFH = pFH;
  record.pD = pD;
  record.pI = pI;
  record.pF = ClampFlashMode(pF);
  record.pFS = pFS;
  record.pSH = pSH;
  record.pSV = pSV;
  record.pSSH = pSSH;
  record.pSSV = pSSV;
  return record;
}

}  // namespace plorvane

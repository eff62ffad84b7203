#include "animation/animation.h"

#include <algorithm>
#include <utility>

#include "animation/nesting_scope.h"
#include "animation/object_file.h"
#include "animation/strip_codec.h"
#include "streaming/object_stream.h"
#include "support/messages.h"

namespace plorvane {
namespace {

constexpr int kNewFrameSide = 50;
constexpr int kStripInterval = 500;

int ClampSide(int value) { return std::clamp(value, 1, TSAN::kMaxSide); }

}  // namespace

const PublishedProperties<TSAN>& TSAN::Published() {
  const auto flag_getter = [](bool TElementRec::*field) {
    return [field](const TSAN& a) { return a.template_.*field; };
  };
  const auto flag_setter = [](bool TElementRec::*field) {
    return [field](TSAN& a, bool value) { a.template_.*field = value; };
  };
  const auto step_getter = [](std::int32_t TElementRec::*field) {
    return [field](const TSAN& a) { return a.template_.*field; };
  };
  const auto step_setter = [](std::int32_t TElementRec::*field) {
    return [field](TSAN& a, std::int32_t value) { a.template_.*field = value; };
  };
  static const auto properties =
      PublishedProperties<TSAN>()
          .Integer(
              "pW", [](const TSAN& a) { return a.frame_width_; }, [](TSAN& a, std::int32_t v) { a.SetFrameWidth(v); })
          .Integer(
              "pD", [](const TSAN& a) { return a.template_.pD; }, [](TSAN& a, std::int32_t v) { a.SetInterval(v); })
          // A broken strip is ignored: the animation keeps the strip it had.
          .String(
              "pI", [](const TSAN& a) { return EncodeStrip(a.strip_); },
              [](TSAN& a, std::string&& v) { DecodeStrip(v, a.strip_); })
          .Boolean("pT", flag_getter(&TElementRec::pT), flag_setter(&TElementRec::pT))
          .Boolean("pFV", flag_getter(&TElementRec::pFV), flag_setter(&TElementRec::pFV))
          .Boolean("pFH", flag_getter(&TElementRec::pFH), flag_setter(&TElementRec::pFH))
          .Integer(
              "pF", [](const TSAN& a) { return std::int32_t{a.template_.pF}; },
              [](TSAN& a, std::int32_t v) { a.SetFlashMode(v); })
          .Integer("pSH", step_getter(&TElementRec::pSH), step_setter(&TElementRec::pSH))
          .Integer("pSV", step_getter(&TElementRec::pSV), step_setter(&TElementRec::pSV));
  return properties;
}

TSAN::TSAN() { SetFrameSize(kNewFrameSide, kNewFrameSide, 1); }

bool TSAN::SetFrameSize(int frame_width, int height, int frame_count) {
  last_error_ = msg::kOutOfMemory;
  const int width = ClampSide(frame_width);
  // At most 32767 squared, which fits an int; the bitmap's pixel cap decides the rest.
  const int strip_width = width * ClampSide(frame_count);
  try {
    Bitmap strip;
    if (!strip.Resize(strip_width, ClampSide(height), kWhite)) return false;
    strip_ = std::move(strip);
  } catch (...) {
    return false;
  }
  frame_width_ = width;
  return true;
}

bool TSAN::AssignStrip(const Bitmap& bitmap, int frame_width) {
  last_error_ = msg::kUnknownFormat;
  if (bitmap.empty()) return false;
  last_error_ = msg::kOutOfMemory;
  try {
    strip_ = bitmap;
  } catch (...) {
    return false;
  }
  SetFrameWidth(frame_width);
  if (FrameCount() > 1) template_.pD = kStripInterval;
  return true;
}

void TSAN::SetFrameWidth(int width) { frame_width_ = ClampSide(width); }

void TSAN::SetInterval(int milliseconds) { template_.pD = std::clamp(milliseconds, 0, kMaxInterval); }

void TSAN::SetFlashMode(int mode) {
  template_.pF = static_cast<std::uint8_t>(std::clamp(mode, 0, kMaxFlashMode));
  template_.pFS = template_.pF == kMaxFlashMode;
}

void TSAN::GetTemplate(TElementRec& record) const {
  record = template_;
  record.Width = frame_width_;
  record.Height = Height();
  record.pID = index_;
  record.FrameCount = FrameCount();
}

void TSAN::SetTemplate(const TElementRec& record) {
  template_.pT = record.pT;
  SetInterval(record.pD);
  template_.pFV = record.pFV;
  template_.pFH = record.pFH;
  SetFlashMode(record.pF);
  template_.pSH = record.pSH;
  template_.pSV = record.pSV;
  template_.pX = record.pX;
  template_.pY = record.pY;
  template_.pI = record.pI;
  template_.pSSH = record.pSSH;
  template_.pSSV = record.pSSV;
  template_.Shown = record.Shown;
  template_.pID = index_;
}

bool TSAN::SaveToStream(Stream& stream) {
  last_error_ = msg::kOutOfMemory;
  try {
    return WriteObject(stream, *this);
  } catch (...) {
    return false;
  }
}

bool TSAN::LoadFromStream(Stream& stream) {
  const NestingScope loading(loading_count_);
  last_error_ = msg::kUnknownFormat;
  try {
    return ReadObject(stream, *this);
  } catch (...) {
    return false;
  }
}

bool TSAN::SaveToFile(const std::string& path) {
  return SaveObjectFile(path, last_error_, [this](Stream& stream) { return SaveToStream(stream); });
}

bool TSAN::LoadFromFile(const std::string& path) {
  return LoadObjectFile(path, last_error_, [this](Stream& stream) { return LoadFromStream(stream); });
}

}  // namespace plorvane

// Property-stream records: the generic reader with every kind of property, the string carrier
// and the picture record.
#include "fuzz/fuzz_target.h"
#include "streaming/component_string.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "streaming/pic.h"
#include "streaming/streaming_test_objects.h"

namespace plorvane::fuzz {
namespace {

std::vector<std::uint8_t> Written(const auto& object) {
  MemoryStream stream;
  WriteObject(stream, object);
  return stream.bytes();
}

}  // namespace

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  testing::SampleObject sample;
  sample.pBase = -300;
  sample.pCount = 100000;
  sample.pFlag = true;
  sample.pName = std::string(300, 'n');
  sample.pData = Binary{1, 2, 3};
  TComponentString text;
  text.X = "\x09Zarvick v2\x07Vumra Enterprises\x04";
  TPic pic;
  auto graphic = Picture::CreateGraphic("TJPEGImage");
  graphic->ReadData(std::vector<std::uint8_t>{0, 0, 0, 0});
  pic.pPic.SetGraphic(std::move(graphic));
  return {Written(sample), Written(text), Written(pic)};
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  const std::vector<std::uint8_t> bytes(data, data + size);
  {
    MemoryStream stream(bytes);
    testing::SampleObject object;
    ReadObject(stream, object);
  }
  {
    MemoryStream stream(bytes);
    TComponentString object;
    ReadObject(stream, object);
  }
  {
    MemoryStream stream(bytes);
    TPic object;
    ReadObject(stream, object);
  }
  return 0;
}

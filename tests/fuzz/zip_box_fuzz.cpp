// Archive boxes: reading records, then decoding every item that was read.
#include "fuzz/fuzz_target.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/zip_box.h"
#include "support/zip_handler.h"

namespace plorvane::fuzz {

std::vector<std::vector<std::uint8_t>> FuzzSeeds() {
  MemoryStream archive;
  for (int i = 0; i < 3; ++i) {
    TBoxItem item;
    item.pName = "file" + std::to_string(i) + ".txt";
    item.pPath = "help\\";
    std::string content(static_cast<std::size_t>(100 * (i + 1)), static_cast<char>('a' + i));
    item.pSize = static_cast<std::int32_t>(content.size());
    if (i > 0) {
      ZipHandler().CompressString(content);
      item.pM = TBoxItem::kZlib;
    }
    item.pSizeB = static_cast<std::int32_t>(content.size());
    item.pD = content;
    WriteObject(archive, item, "_1");
  }
  MemoryStream carrier;
  carrier.Write(std::vector<std::uint8_t>(154, 0));
  carrier.Write(archive.bytes());
  return {archive.bytes(), carrier.bytes()};
}

}  // namespace plorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plorvane;
  MemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  TZipBox box;
  box.LoadFromStream(stream, false);
  for (int i = 0; i < box.Count(); ++i) {
    MemoryStream out;
    box.GetData(box.Items(i), out);
  }
  return 0;
}

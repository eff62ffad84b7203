#include "streaming/pic.h"

namespace plorvane {

const PublishedProperties<TPic>& TPic::Published() {
  static const auto properties = PublishedProperties<TPic>().Binary(
      "pPic.Data",
      [](const TPic& pic) -> std::optional<Binary> {
        if (!pic.pPic.HasGraphic()) return std::nullopt;
        Binary data;
        pic.pPic.SaveData(data);
        return data;
      },
      [](TPic& pic, Binary&& data) { return pic.pPic.LoadData(data); });
  return properties;
}

}  // namespace plorvane

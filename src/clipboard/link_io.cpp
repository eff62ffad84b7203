#include "clipboard/link_io.h"

#include "texttools/component_io.h"

namespace plorvane {

const PublishedProperties<TLinkIO>& TLinkIO::Published() {
  static const auto properties =
      PublishedProperties<TLinkIO>()
          .String("Link", &TLinkIO::Link)
          .Integer(
              "LinkColor", [](const TLinkIO& io) { return static_cast<std::int32_t>(io.LinkColor); },
              [](TLinkIO& io, std::int32_t colour) { io.LinkColor = static_cast<Colour>(colour); });
  return properties;
}

bool TLinkIO::SaveToFile(const std::string& path) { return ComponentIO().SaveComponent(*this, path, last_error_); }

bool TLinkIO::LoadFromFile(const std::string& path) {
  TLinkIO read;
  if (!ComponentIO().LoadComponent(read, path, last_error_)) return false;
  Link = std::move(read.Link);
  LinkColor = read.LinkColor;
  return true;
}

}  // namespace plorvane

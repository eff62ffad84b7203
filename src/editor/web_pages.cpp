#include "editor/web_pages.h"

namespace plorvane {

const std::array<WebPage, kHelpWebPageCount>& HelpWebPages() {
  static constexpr std::array<WebPage, kHelpWebPageCount> kPages = {{
      {"HomePage1", "&Home Page", "index.html"},
      {"LibraryUpdates1", "&Library Updates", "library.html"},
      {"Support1", "&Support", "troubleshooting.html"},
      {"Feedback1", "Send &Feedback", "feedback.html"},
  }};
  return kPages;
}

const WebPage& AdditionalResourcesPage() {
  static constexpr WebPage kPage{"AdditionalResources1", {}, "resources.html"};
  return kPage;
}

}  // namespace plorvane

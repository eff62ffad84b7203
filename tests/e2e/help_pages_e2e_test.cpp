// The help set the editor carries, as a reader sees it: every page the editor opens is in the
// set, its pictures were taken by this build, and every page loads in a real browser (headless
// Chromium) with all its pictures and style, every link pointing at a file of the set (and at an
// anchor that file has), and no link leading out of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/child_process.h"
#include "editor/tool_window_commands.h"
#include "editor/web_pages.h"
#include "scratch_folder.h"
#include "support/carrier_bitmap.h"
#include "support/file_io.h"
#include "support/zip_box.h"

namespace plorvane::e2e {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Added to a copy of a page: once the page and its pictures have loaded, it writes what the
// browser made of them into the page, one finding a line, for --dump-dom to show.
constexpr std::string_view kChecker = R"(<script>
addEventListener('load', () => {
  const found = ['loaded'];
  for (const image of document.images) found.push('image ' + (image.complete ? image.naturalWidth : 0) + ' ' + image.src);
  for (const sheet of document.querySelectorAll('link[rel=stylesheet]')) found.push('sheet ' + (sheet.sheet ? 'yes' : 'no'));
  for (const element of document.querySelectorAll('[href],[src]')) {
    found.push('link ' + new URL(element.getAttribute('href') ?? element.getAttribute('src'), document.baseURI).href);
  }
  const report = document.createElement('pre');
  report.id = 'plorvane-check';
  report.textContent = found.join('\n');
  document.body.append(report);
});
</script>
)";

struct BrowserFindings {
  bool loaded = false;
  std::vector<std::pair<int, std::string>> images;  // natural width, address
  std::vector<bool> sheets;
  std::vector<std::string> links;
};

BrowserFindings ReadFindings(const std::string& dom) {
  BrowserFindings findings;
  const std::string start = "<pre id=\"plorvane-check\">";
  const auto from = dom.find(start);
  if (from == std::string::npos) return findings;
  std::istringstream lines(dom.substr(from + start.size(), dom.find("</pre>", from) - from - start.size()));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "loaded") findings.loaded = true;
    if (kind == "image") {
      int width = 0;
      std::string address;
      words >> width >> address;
      findings.images.emplace_back(width, address);
    }
    if (kind == "sheet") {
      std::string loaded;
      words >> loaded;
      findings.sheets.push_back(loaded == "yes");
    }
    if (kind == "link") {
      std::string address;
      words >> address;
      findings.links.push_back(address);
    }
  }
  return findings;
}

class HelpSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::uint8_t> carrier;
    ASSERT_EQ(ReadWholeFile(PLORVANE_HELP_CARRIER, carrier), FileResult::kOk) << PLORVANE_HELP_CARRIER;
    ASSERT_TRUE(ReadCarrierBitmap(carrier, box_));
    std::filesystem::create_directories(Folder());
    for (int index = 0; index < box_.Count(); ++index) {
      const TBoxItem* item = box_.Items(index);
      names_.insert(item->pName);
      ASSERT_TRUE(box_.ExtractToFile(item, Folder() + item->pName, true)) << item->pName;
    }
  }

  [[nodiscard]] std::string Folder() const { return scratch_.File("help/"); }
  [[nodiscard]] std::vector<std::string> Named(const std::string& ending) const {
    std::vector<std::string> named;
    std::copy_if(names_.begin(), names_.end(), std::back_inserter(named),
                 [&](const std::string& name) { return name.ends_with(ending); });
    return named;
  }

  // The page as the browser shows it, with the checker's findings in it.
  [[nodiscard]] std::string BrowserDom(const std::string& page) const {
    std::string html = ReadText(Folder() + page);
    const auto body_end = html.rfind("</body>");
    if (body_end == std::string::npos) return {};
    html.insert(body_end, kChecker);
    const std::string checked = Folder() + page + ".check.html";
    std::ofstream(checked, std::ios::binary) << html;
    // A deadline for the browser as a whole, generous for a busy machine; the virtual time
    // budget lets the page finish loading before the DOM is written.
    const std::string command = "timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run "
                                "--allow-file-access-from-files --virtual-time-budget=10000 --user-data-dir='" +
                                scratch_.File("browser") + "' --dump-dom 'file://" + checked + "' 2>/dev/null";
    const std::string dom = RunCommand(command).value_or("");
    std::filesystem::remove(checked);
    return dom;
  }

  test::ScratchFolder scratch_;
  TZipBox box_;
  std::set<std::string> names_;
};

TEST_F(HelpSetTest, EveryPageTheEditorOpensIsInTheSet) {
  std::vector<std::string> wanted{"index.html", "index_print.html"};
  for (const ToolWindow window : {ToolWindow::kTextInsert, ToolWindow::kInsertSymbol, ToolWindow::kAnimationElement}) {
    wanted.emplace_back(HelpPageOf(window));
  }
  for (const WebPage& page : HelpWebPages()) wanted.emplace_back(page.page);
  wanted.emplace_back(AdditionalResourcesPage().page);
  for (const std::string& page : wanted) EXPECT_TRUE(names_.contains(page)) << page;
}

// The pictures in the set are those the build's help shooter took, after it was built.
TEST_F(HelpSetTest, ThePicturesWereTakenByThisBuild) {
  const auto pictures = Named(".png");
  ASSERT_FALSE(pictures.empty());
  const auto shooter_built = std::filesystem::last_write_time(PLORVANE_HELP_SHOOTER_FILE);
  for (const std::string& picture : pictures) {
    SCOPED_TRACE(picture);
    const std::string taken = std::string(PLORVANE_HELP_SHOT_FOLDER) + "/" + picture;
    ASSERT_TRUE(std::filesystem::exists(taken));
    EXPECT_GE(std::filesystem::last_write_time(taken), shooter_built);
    EXPECT_EQ(ReadText(taken), ReadText(Folder() + picture)) << "the set carries an older picture";
  }
}

TEST_F(HelpSetTest, EveryPageLoadsInABrowserWithItsPicturesAndLinksWithinTheSet) {
  const auto pages = Named(".html");
  ASSERT_GE(pages.size(), 10U);
  const std::string root = "file://" + Folder();
  std::set<std::string> pictures_shown;
  for (const std::string& page : pages) {
    SCOPED_TRACE(page);
    const BrowserFindings found = ReadFindings(BrowserDom(page));
    ASSERT_TRUE(found.loaded) << "the browser did not load the page";
    ASSERT_EQ(found.sheets.size(), 1U) << "every page takes the shared style";
    EXPECT_TRUE(found.sheets[0]) << "the style did not load";
    for (const auto& [width, address] : found.images) {
      EXPECT_GT(width, 0) << address << " did not load";
      if (address.starts_with(root)) pictures_shown.insert(address.substr(root.size()));
    }
    for (const std::string& link : found.links) {
      SCOPED_TRACE(link);
      ASSERT_TRUE(link.starts_with(root)) << "a link leads out of the help set";
      const std::string target = link.substr(root.size());
      const auto hash = target.find('#');
      // A link within the page itself resolves against the checked copy the browser was shown.
      std::string file = target.substr(0, hash);
      if (file == page + ".check.html") file = page;
      ASSERT_TRUE(names_.contains(file)) << "no such file in the set";
      if (hash != std::string::npos) {
        const std::string anchor = "id=\"" + target.substr(hash + 1) + "\"";
        EXPECT_NE(ReadText(Folder() + file).find(anchor), std::string::npos) << "no such anchor";
      }
    }
  }
  // No picture is carried that no page shows.
  for (const std::string& picture : Named(".png")) EXPECT_TRUE(pictures_shown.contains(picture)) << picture;
}

}  // namespace
}  // namespace plorvane::e2e

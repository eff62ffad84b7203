#pragma once
// The help pages. THelp keeps the help carrier's archive (compressed) for the whole run, writes
// the pages into the help folder the first time a page is asked for, opens pages with the
// desktop's default handler and removes them again when it goes away.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "support/zip_box.h"

namespace plorvane {

class Platform;

class THelp {
 public:
  // `title` names the help set: "*", "?", " ", "/" and "\" become "_"; an empty title gives the
  // default set name. When the carrier holds no readable archive, LastError tells why and every
  // page request fails after installing nothing.
  THelp(Platform& platform, std::string_view title, std::span<const std::uint8_t> help_carrier);
  ~THelp();  // Cleanup
  THelp(const THelp&) = delete;
  THelp& operator=(const THelp&) = delete;

  [[nodiscard]] const std::string& HelpSetName() const { return set_name_; }
  // SettingsFolder("Help") followed by the set name and "/"; worked out once.
  const std::string& HelpFolder();
  std::string PagePath(std::string_view page);

  // Writes every page of the archive into the help folder, never over an existing file, and
  // then the marker that says the set is complete; with the marker present nothing is written.
  bool Install();
  // Install, then hand the page to the shell. "File not found" when the page is not there.
  bool ShowPage(std::string_view page);
  // LastError in the error box.
  void ShowError();
  // Removes the extracted pages and the marker, then the help folder when it is empty.
  // Failures are ignored.
  void Cleanup();

  [[nodiscard]] const std::string& LastError() const { return last_error_; }
  [[nodiscard]] const TZipBox& Box() const { return box_; }

 private:
  bool ExtractPages();

  Platform& platform_;
  std::string set_name_;
  std::string help_folder_;
  TZipBox box_;
  std::string last_error_;
};

}  // namespace plorvane

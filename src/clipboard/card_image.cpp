// The card images: the finished card as one bitmap, for the print companion, the system
// clipboard or a bitmap file.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "graphics/bmp_codec.h"
#include "support/file_io.h"
#include "support/messages.h"
#include "support/paths.h"

namespace plorvane {
namespace {

constexpr std::string_view kHandOverName = "print-card.bmp";

}  // namespace

TZarvickClipboard::~TZarvickClipboard() {
  if (wrote_hand_over_) Paths().DeleteFileIfPresent(PrintHandOverFile());
}

std::string TZarvickClipboard::PrintHandOverFile() {
  return Paths().SettingsFolder("Settings") + std::string(kHandOverName);
}

bool TZarvickClipboard::WithCardImage(const std::function<bool(TZarvickV2&)>& steps) {
  return WithCard([&](TZarvickV2& card) {
    // Put back on every way out, a failed or raising step included.
    struct Restore {
      TZarvickV2& card;
      bool was_locked;
      ~Restore() {
        card.SuspendAnimations(false);
        card.SetMenuLabelVisible(true);
        card.Animations().SetEditable(!was_locked);
        // The card shows its outline and label again now, not only from its next tick.
        card.Redraw(true);
      }
    };
    last_error_ = msg::kUnexpectedError;
    const Restore restore{card, !card.Animations().Editable()};
    card.SuspendAnimations(true);
    card.SetMenuLabelVisible(false);
    // Locked, the elements show no outline.
    card.Animations().SetEditable(false);
    card.Redraw(true);
    return steps(card);
  });
}

bool TZarvickClipboard::SaveFrameBitmap(const TZarvickV2& card, const std::string& path) {
  last_error_ = msg::kFileInUse;
  const std::vector<std::uint8_t> bytes = WriteBmp(card.FrameBitmap());
  // Written beside the old file and renamed over it, which also replaces a read-only file.
  const FileResult result = WriteFileReplacing(path, bytes);
  if (result != FileResult::kOk) last_error_ = FileResultText(result);
  return result == FileResult::kOk;
}

bool TZarvickClipboard::Print(const std::string& title, const std::string& companion_program) {
  return WithCardImage([&](TZarvickV2& card) {
    last_error_ = msg::kFileNotFound;
    if (companion_program.empty() || ::access(companion_program.c_str(), F_OK) != 0) return false;
    last_error_ = msg::kUnknownFormat;
    if (card.FrameBitmap().empty()) return false;
    const std::string hand_over = PrintHandOverFile();
    if (!SaveFrameBitmap(card, hand_over)) return false;
    wrote_hand_over_ = true;
    last_error_ = msg::kTaskFailed;
    const std::string folder = std::filesystem::path(companion_program).parent_path().string();
    return platform_->shell().StartProgram(companion_program, {title, hand_over}, folder);
  });
}

bool TZarvickClipboard::PrintToClipboard() {
  return WithCardImage([&](TZarvickV2& card) {
    last_error_ = msg::kTaskFailed;
    return platform_->clipboard().SetBitmap(card.FrameBitmap());
  });
}

bool TZarvickClipboard::PrintToFile(TDialogSpec& spec) {
  return WithCardImage([&](TZarvickV2& card) {
    std::string path;
    TOpenHandler open_handler(platform_->dialogs());
    if (!open_handler.Execute(spec, OpenDialogKind::kSavePicture, path)) return true;
    spec.FileName = path;
    return SaveFrameBitmap(card, path);
  });
}

}  // namespace plorvane

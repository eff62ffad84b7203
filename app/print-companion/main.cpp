// The print companion: the editor's "Print..." hands it the card's framed bitmap in a file; it
// shows the page as it will print and prints it on a printer of the desktop or into a PDF file.
//
//   plorvane-print "TITLE" "BITMAP"
//
// The bitmap is read whole at start and its file closed at once. A bitmap that is missing,
// cannot be read or is no BMP file gives an error box, and the program ends with code 1.
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bitmap_file.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_image.h"
#include "print_preview_window.h"
#include "print_request.h"
#include "support/messages.h"
#include "support/translate.h"
#include "translation_bridge.h"

namespace {

void ShowError(std::string_view text, const std::string& path) {
  plorvane::QtDialogs().ErrorBox(plorvane::Translate("Error"), plorvane::Translate(text) + "\r" + path);
}

// The card's picture, or nothing once the error has been shown. The decoded bitmap goes as soon
// as Qt has its copy.
std::optional<QImage> ReadCard(const std::string& path) {
  plorvane::Bitmap bitmap;
  std::string error_text;
  if (!plorvane::ReadBitmapFile(path, bitmap, error_text)) {
    ShowError(error_text, path);
    return std::nullopt;
  }
  return plorvane::ImageOf(bitmap);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace plorvane;
  QApplication application(argc, argv);
  TranslationBridge translation;
  QApplication::installTranslator(&translation);

  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto request = ReadPrintRequest(arguments);
  if (!request) {
    std::fprintf(stderr, "usage: %s \"TITLE\" \"BITMAP\"\n", argv[0]);
    ShowError(msg::kFileNotFound, {});
    return 1;
  }
  std::optional<QImage> card = ReadCard(request->bitmap_path);
  if (!card) return 1;
  PrintPreviewWindow window(std::move(*card), request->title);
  window.exec();
  return 0;
}

// The editor: the strip with its menus and tool bar, and the card in its own window.
//
//   plorvane [CARD] [--screenshot FILE [--shoot WHAT]]
//
// With --screenshot the editor starts as usual, writes a PNG picture of its windows once
// start-up is done, and ends; --shoot pictures one window or menu instead (screenshot_subject.h),
// and the editor ends with 1 when it cannot.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clipboard/card_clipboard.h"
#include "editor/main_form.h"
#include "editor/resources/embedded_carriers.h"
#include "editor/ui/main_window.h"
#include "editor/ui/qt_tool_windows.h"
#include "editor/ui/screenshot_subject.h"
#include "editor/ui/window_screenshot.h"
#include "platform/qt/qt_display_choice.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_termination_signals.h"
#include "platform/sdl/sdl_sound_devices.h"
#include "support/memory_tuning.h"

namespace {

struct Arguments {
  std::string card;
  std::optional<QString> screenshot;
  std::optional<QString> shoot;
};

Arguments ReadArguments(const QStringList& arguments) {
  Arguments read;
  for (qsizetype at = 1; at < arguments.size(); ++at) {
    if (arguments[at] == "--screenshot" && at + 1 < arguments.size()) {
      read.screenshot = arguments[++at];
    } else if (arguments[at] == "--shoot" && at + 1 < arguments.size()) {
      read.shoot = arguments[++at];
    } else if (read.card.empty()) {
      read.card = arguments[at].toStdString();
    }
  }
  return read;
}

// Once the event loop runs, every window of the start-up has been shown; the picture waits until
// the window system has put them all on the screen (a few seconds at most, then it is taken as
// things are).
void ScreenshotAndEnd(const QString& path) {
  auto* poll = new QTimer(QCoreApplication::instance());
  poll->setInterval(20);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  QObject::connect(poll, &QTimer::timeout, [poll, path, deadline] {
    if (!plorvane::WindowsAreExposed() && std::chrono::steady_clock::now() < deadline) return;
    poll->stop();
    const bool written = plorvane::WriteWindowsScreenshot(path);
    if (!written) std::fprintf(stderr, "plorvane: cannot write the screenshot %s\n", qPrintable(path));
    QCoreApplication::exit(written ? 0 : 1);
  });
  poll->start();
}

// The chosen windows once they are on the screen; a failure, told on stderr, when they do not
// come in time (the machine may be busy, so the wait is generous).
void ShootAndEnd(const QString& path, const plorvane::ShotWindows& windows) {
  auto* poll = new QTimer(QCoreApplication::instance());
  poll->setInterval(20);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  QObject::connect(poll, &QTimer::timeout, [poll, path, windows, deadline] {
    const std::vector<QWidget*> shown = windows();
    const bool late = std::chrono::steady_clock::now() >= deadline;
    if (shown.empty() && !late) return;
    poll->stop();
    const bool written = !shown.empty() && plorvane::WriteWidgetsPicture(shown, path);
    if (!written) std::fprintf(stderr, "plorvane: cannot write the screenshot %s\n", qPrintable(path));
    QCoreApplication::exit(written ? 0 : 1);
  });
  poll->start();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace plorvane;
  KeepLargeBuffersForReuse();
  ChooseDisplayPlatform();
  QApplication application(argc, argv);
  const QtTerminationSignals termination;
  const Arguments arguments = ReadArguments(QCoreApplication::arguments());
  QtPlatform platform(std::make_unique<SdlSoundDevices>());
  QtToolWindows tool_windows(platform, ZarvickClipboard());
  MainWindow window;
  window.SetToolWindows(&tool_windows);
  TForm1 form(platform, window, EmbeddedCarriers(),
              EditorStart{QCoreApplication::applicationFilePath().toStdString(), arguments.card});
  window.Attach(form);
  // A failed start-up has shown its error.
  if (!form.FormCreate()) return 1;
  if (termination.Received()) return 0;
  if (arguments.screenshot && arguments.shoot) {
    const auto subject = ReadScreenshotSubject(arguments.shoot->toStdString());
    const auto windows = subject ? StageScreenshot(*subject, window, tool_windows) : std::nullopt;
    if (!windows) {
      std::fprintf(stderr, "plorvane: nothing to picture called %s\n", qPrintable(*arguments.shoot));
      return 2;
    }
    ShootAndEnd(*arguments.screenshot, *windows);
  } else if (arguments.screenshot) {
    ScreenshotAndEnd(*arguments.screenshot);
  }
  return QApplication::exec();
}

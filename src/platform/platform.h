#pragma once
// Everything the core needs from the operating system, handed to the core by reference (there is
// no global platform). Each service has its own header; this aggregate only gives access.
//
// What each service is on Linux (the Qt implementation in platform/qt/):
//   Windowing     card window: a frameless QWidget showing the presented pixels; popup menus:
//                 QMenu built from the PopupMenu items at the moment it is shown
//   Dialogs       QMessageBox (error box, questions), QFileDialog (open and save, with a picture
//                 preview beside the list where asked), QInputDialog (one-line input box)
//   Clipboard     QClipboard, image and text formats
//   Cursors       one application-wide QCursor built from the decoded cursor image (animated
//                 cursors step through their frames with their own rates); the hourglass is the
//                 application's override cursor
//   SoundDevices  SDL2_mixer: wave files directly, MIDI through FluidSynth with the General MIDI
//                 soundfont from Debian
//   Shell         documents and addresses go to xdg-open; programs are started directly
//   Screen        QScreen of the primary screen, QCursor::pos
//   Application   QCoreApplication::processEvents and exit; Synchronize posts to the GUI thread
//   TextRenderer  QPainter text with QFont and QFontMetrics, into a QImage over the bitmap
//   Metafiles     enhanced metafiles played record by record onto a QPainter
//   Clock         SystemClock, the steady clock
//
// HeadlessPlatform (platform/headless/) implements all of it without a display for tests.
// Objects a platform creates (windows, sound devices) must not outlive it.

#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/metafile_renderer.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/sound_device.h"
#include "platform/text_renderer.h"
#include "platform/windowing.h"

namespace plorvane {

class Platform {
 public:
  virtual ~Platform() = default;

  virtual Windowing& windowing() = 0;
  virtual Dialogs& dialogs() = 0;
  virtual Clipboard& clipboard() = 0;
  virtual Cursors& cursors() = 0;
  virtual SoundDevices& sound_devices() = 0;
  virtual Shell& shell() = 0;
  virtual Screen& screen() = 0;
  virtual Application& application() = 0;
  virtual TextRenderer& text_renderer() = 0;
  virtual MetafileRenderer& metafiles() = 0;
  virtual Clock& clock() = 0;
};

}  // namespace plorvane

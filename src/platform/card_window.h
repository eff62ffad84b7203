#pragma once
// The borderless window that shows a card. The core draws every pixel itself and presents the
// result; the window only shows those pixels and reports the mouse and keyboard.

#include <string>

#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "platform/pixel_size.h"

namespace plorvane {

class PopupMenu;

enum class MouseButton { kLeft, kRight, kMiddle };

struct MouseEvent {
  MouseButton button = MouseButton::kLeft;  // the button that changed; kLeft for plain moves
  bool shift = false;
  bool control = false;
  Point position;  // client coordinates
};

struct KeyEvent {
  int key = 0;  // the platform-neutral key code: ASCII for letters and digits, else kKey* below
  bool shift = false;
  bool control = false;
  bool alt = false;
};

inline constexpr int kKeyEscape = 0x1B;
inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;
inline constexpr int kKeyDelete = 0x2E;

// What the core wants to hear from its window. Every handler runs on the main thread.
class WindowEventReceiver {
 public:
  virtual ~WindowEventReceiver() = default;
  virtual void OnMouseDown(const MouseEvent& event) = 0;
  virtual void OnMouseMove(const MouseEvent& event) = 0;
  virtual void OnMouseUp(const MouseEvent& event) = 0;
  // True when the key was used; an unused key goes on to the platform.
  virtual bool OnKeyDown(const KeyEvent& event) = 0;
  // The window needs its pixels again: answer by presenting them.
  virtual void OnPaint() = 0;
  // The user closed the window. In the player this also ends the program.
  virtual void OnClose() = 0;
};

// The player's card window is the application's main window, so closing it ends the player;
// the editor's is an ordinary window beside the main window. Both are borderless. A dialog has a
// border and a caption and blocks input to the program's other windows while it is shown; Show
// still returns at once.
enum class WindowRole { kMain, kOrdinary, kDialog };

// kSlotCursor is the application-wide cursor slot that holds the card's cursor; kDragCursor is
// shown in the editor while the pointer is over an animation that can be dragged. Windows that
// are not cards show the plain arrow, and the pointing hand over a web link.
enum class WindowCursor { kSlotCursor, kDragCursor, kArrowCursor, kLinkCursor };

class CardWindow {
 public:
  virtual ~CardWindow() = default;

  // The client area keeps exactly this size; the user cannot resize it.
  virtual void SetClientSize(PixelSize size) = 0;
  [[nodiscard]] virtual PixelSize ClientSize() const = 0;
  // Top-left corner of the client area in screen pixels.
  virtual void MoveTo(Point screen_position) = 0;
  [[nodiscard]] virtual Point ScreenPosition() const = 0;
  // Hands the rest of a drag with the left button held to the window system, which moves the
  // window with the pointer. Compositors that do not let a program move its own windows only
  // move them this way. False when the window system moves no windows for us: the caller then
  // follows the pointer with MoveTo.
  virtual bool StartSystemMove() = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  [[nodiscard]] virtual bool IsVisible() const = 0;
  // A disabled window ignores the mouse and keyboard (the editor is busy).
  virtual void SetEnabled(bool enabled) = 0;

  // Asks for an OnPaint soon; nothing is drawn now.
  virtual void RequestRepaint() = 0;
  // Puts these pixels on the window with their top-left at `at` (client coordinates), clipped
  // to the client area. The window shows exactly these pixels until they are presented over.
  virtual void Present(const Bitmap& pixels, Point at) = 0;

  // Shown on a right click after OnMouseDown has run; nullptr detaches. The menu must outlive
  // its attachment.
  virtual void AttachPopupMenu(PopupMenu* menu) = 0;
  virtual void SetCursor(WindowCursor cursor) = 0;
  // The caption of a dialog window; borderless windows show none.
  virtual void SetTitle(const std::string& title) = 0;
  // Tool windows can stay above the other windows of the desktop.
  virtual void SetStayOnTop(bool on_top) = 0;
};

}  // namespace plorvane

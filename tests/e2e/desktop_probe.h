#pragma once
// What a user sees and does on the virtual display, through the X tools: finding windows, their
// places and pixels, and moving, clicking and typing.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "e2e/wait.h"
#include "graphics/bitmap.h"
#include "graphics/canvas.h"

namespace plorvane::e2e {

using WindowId = unsigned long;

// Visible windows of the process now.
std::vector<WindowId> VisibleWindows(pid_t pid);
// Visible windows of the process, once at least one is shown or the time is out.
std::vector<WindowId> WaitForWindows(pid_t pid, std::chrono::milliseconds timeout = kPatience);
// Visible windows whose title is exactly `title`, once one is shown or the time is out.
std::vector<WindowId> WaitForTitledWindows(const std::string& title, std::chrono::milliseconds timeout = kPatience);
// A window title as xdotool's pattern that matches it alone: the title's own "(" and "." are
// taken literally.
std::string TitlePattern(const std::string& title);
// The process that shows the window, as the window says.
std::optional<pid_t> WindowPid(WindowId window);
// Puts the window above the others.
void Raise(WindowId window);
// Moves or resizes the window as a user's window manager would; without one the window stays
// where it is put.
void MoveWindow(WindowId window, int left, int top);
void ResizeWindow(WindowId window, int width, int height);
// The window's place and size on the screen.
std::optional<Rect> Geometry(WindowId window);
// The screen's pixels in `area`.
std::optional<Bitmap> Screenshot(const Rect& area);
// The first screenshot of `area` that `wanted` accepts; nothing when the time is out first.
std::optional<Bitmap> WaitForScreenshot(const Rect& area, const std::function<bool(const Bitmap&)>& wanted,
                                        std::chrono::milliseconds timeout = kPatience);

void MoveMouse(int x, int y);
// The window the X server has under its pointer; nothing when it cannot be asked.
std::optional<WindowId> WindowUnderMouse();
void PressButton(int button);
void ReleaseButton(int button);
void Click(int button);
// A key by its X name: "Return", "Escape", "Up".
void PressKey(const std::string& key);
// Text typed key by key into the focused widget.
void Type(const std::string& text);
// The keyboard goes to the window, once the X server has done it.
void Focus(WindowId window);
// What a window manager's close button sends: the window is asked, not destroyed.
void RequestClose(WindowId window);

bool SamePixels(const Bitmap& a, const Bitmap& b);

}  // namespace plorvane::e2e

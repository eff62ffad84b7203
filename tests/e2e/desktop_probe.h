#pragma once
// What a user sees and does on the virtual display, through the X tools: finding windows, their
// places and pixels, and moving, clicking and typing.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/canvas.h"

namespace plorvane::e2e {

using WindowId = unsigned long;

// Visible windows of the process, once at least one is shown or the time is out.
std::vector<WindowId> WaitForWindows(pid_t pid, std::chrono::milliseconds timeout);
// Visible windows whose title is exactly `title`, once one is shown or the time is out.
std::vector<WindowId> WaitForTitledWindows(const std::string& title, std::chrono::milliseconds timeout);
// The window's place and size on the screen.
std::optional<Rect> Geometry(WindowId window);
// The screen's pixels in `area`.
std::optional<Bitmap> Screenshot(const Rect& area);

void MoveMouse(int x, int y);
void PressButton(int button);
void ReleaseButton(int button);
void Click(int button);
// A key by its X name: "Return", "Escape", "Up".
void PressKey(const std::string& key);

}  // namespace plorvane::e2e

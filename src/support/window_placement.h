#pragma once
// Window geometry in screen pixels, origin at the screen's top left.

namespace plorvane {

struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

struct WindowPosition {
  int left = 0;
  int top = 0;

  friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// The bounds moved so that at least 32 pixels of the window stay on a screen of the given size;
// the size is kept. On a screen too small for that rule the right and bottom limits win.
WindowBounds PlacedBounds(const WindowBounds& wanted, int screen_width, int screen_height);

// The top left corner that centres a window of the given size, halves rounded towards zero.
WindowPosition CentredPosition(int width, int height, int screen_width, int screen_height);

}  // namespace plorvane

#pragma once
// A picture of what the program shows: the screen area that its visible windows cover, read
// back from the screen after every window has painted.

#include <QString>
#include <vector>

class QWidget;

namespace plorvane {

// Writes the picture as a PNG file; false when nothing is shown, the screen cannot be read or
// the file cannot be written.
bool WriteWindowsScreenshot(const QString& path);

// True once every visible window is on the screen (mapped and exposed by the window system), so
// a picture taken now shows their pixels rather than what was there before.
bool WindowsAreExposed();
// The same for the given windows, which must also be visible.
bool WindowsAreExposed(const std::vector<QWidget*>& windows);

}  // namespace plorvane

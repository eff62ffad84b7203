#pragma once
// The bitmap the companion prints, read whole at start: the file is closed at once, so the editor
// may replace or delete it while the preview is open.

#include <string>

#include "graphics/bitmap.h"

namespace plorvane {

// Reads and decodes the BMP file at `path`. False with the error text in `error_text` ("File
// not found", "File in use" when it cannot be read, "Unknown format" when it is no bitmap).
bool ReadBitmapFile(const std::string& path, Bitmap& bitmap, std::string& error_text);

}  // namespace plorvane

#pragma once
// The file side of ".SAN" and ".SAG" files, shared by both classes: the whole file is built in
// memory (or read into memory) and the object's own stream operation does the rest.

#include <functional>
#include <string>

#include "streaming/stream.h"

namespace plorvane {

// Sets `last_error` before each step, as every operation of the system does. The file is
// replaced only after all bytes are written, so a failed save keeps the old file whole.
bool SaveObjectFile(const std::string& path, std::string& last_error, const std::function<bool(Stream&)>& save);

// `load` reads from a memory stream holding the whole file and may set `last_error` itself.
bool LoadObjectFile(const std::string& path, std::string& last_error, const std::function<bool(Stream&)>& load);

}  // namespace plorvane

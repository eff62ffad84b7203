#pragma once

#include <string>

namespace plorvane {

// Copies a regular file over `target` through a temporary file beside it that is renamed into
// place, so a copy that fails half way leaves the old target untouched. The copy keeps the
// source's permission bits (a card executable stays executable). The target's folder must exist.
bool CopyFileReplacing(const std::string& source, const std::string& target);

}  // namespace plorvane

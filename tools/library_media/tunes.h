#pragma once
// The tunes of the library, every one of them in the public domain, grouped by occasion.

#include <vector>

#include "tune.h"

namespace plorvane::library {

std::vector<Tune> CelebrationTunes();  // birthday, wedding, new year
std::vector<Tune> ChristmasTunes();
std::vector<Tune> ClassicalTunes();
std::vector<Tune> FolkTunes();

}  // namespace plorvane::library

#pragma once
// What every tune and sound of the library must be, as a list of what is wrong with a file:
// an empty list passes. Kept apart from the tests so that they can also show the checks
// failing on files that are plainly unfit (a tune without notes, a silent wave).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace plorvane::test {

// A format 1 file with a conductor track and at least two tracks of notes (melody and
// accompaniment), every note ended, lasting 20 to 60 seconds, starting to play at once.
std::vector<std::string> TuneProblems(std::span<const std::uint8_t> bytes);

// A mono PCM wave of half a second to five seconds, clearly audible, starting at once and
// fading out rather than ending in a click.
std::vector<std::string> SoundProblems(std::span<const std::uint8_t> bytes);

}  // namespace plorvane::test

#pragma once
// The help set's own names, kept in the scrambled form of ScrambleText like the program's other
// fixed texts; each is unscrambled where it is used.

#include <string_view>

namespace plorvane::help_texts {

// The help-set name when the title is empty.
inline constexpr std::string_view kDefaultSetName =
    "9\xEF""\x1E""%\x12""\xF9""\xFB""\x1F""\xCB""X\xEB""\xB8""7=\xD1""\xE7""9\x12""\xF1""\xF6""A"
    "@\xEC""\xF8""\x22""J\x1D""\xD4""\x1B""\x1B""\x10""\xE4""6J\xFD""\xF0""9\x19""+\xF7""7I\x19"""
    "\xD1""\xBE""\xC1""\xE1""\xA7""\xED""\xC4""\xBF""\xB6""\xD8""\x8D""\x9D""\xDC""\xD1""";
// The file written into the help folder after every page of the set is there.
inline constexpr std::string_view kMarkerName =
    "8\xC3""\xEE"" (\xB2""\xD0""\xF3""\xAC""\x16""\x22""\xC6""\x1E""T\x0E""\xDF""!1\x12""\xE8""5"
    "(\xFE""\xB6""<\x1F""\xF1""\xF4""1.\xF5""\xF5""B=\xFC""\x17""\xF5""\xF9""\xFD""\xF3""''\xFB"""
    "\xEB""\xAA""\x98""\xD9""\xBB""]\xAB""\x98""\xA6""e\xD1""\xB5""\xC4""\xE8""\xD1""\xB6""\xC9"""
    "\xBC""";
// The files removed from the help folder at the end: everything extraction and the marker put
// there.
inline constexpr std::string_view kCleanupPattern =
    "!\xF7""\x0E""\xD7""\x12""\xC4""\x13""\xF1""\xE9""S\xF6""\xB4""\xF1""Q\x14""\x16""\x14""\x1E"""
    "%\xD8""\xA0""";

}  // namespace plorvane::help_texts

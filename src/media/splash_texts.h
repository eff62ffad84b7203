#pragma once
// The splash and about screen's own texts, kept in the scrambled form of ScrambleText so they
// do not stand readable in the program file. Each is unscrambled where it is shown.

#include <string_view>

namespace plorvane::splash_texts {

// The label of the version row.
inline constexpr std::string_view kVersionLabel =
    "''\xDA"">\xD5""\x1F""\xB5""\xDA""\x10""\xC6""D$\xD9""\xED""O\x1F""\xD4""\xF5""<\xDD""\xB8""\x13""\x1D""\xDB"
    "\xB3""\x17""\x19""\xAF""\xDA""\xA2""\xB5""\x9C""\xB1""\xB0";
// The label of the link row.
inline constexpr std::string_view kLinkLabel =
    "+\xE8""6\xF9""#\xD5""\x1A""\x18""\xC2""\x0F""\xF7""\xC4""4\x11""\xE3""\x0F""\x1E"" \x1D""\xDF""<@\xF2""\xD5"
    "\x14"">.\xFC""\x1A""(\xBE""\xD2""\xB6";
// What the about box's caption starts with.
inline constexpr std::string_view kAboutPrefix =
    "<\xB2""\x10""\x1C""R\xF4""\xEB""\xF9""\xAD""J\x17""\xD1"" \x3F""\xF0""\xD3""A\x1C""%\xBD""\xFC""C\xEE""\xC5"
    "\x14"":\xDF""\xF6""@\xF9"")\xD3""\x1E""\xFD"")\xE2""#B,\xF8"")A\x15""\xEA""@L\xE5""r\xA9""\xD8""\xEA""\xE6""s";
// The notice: the first piece, then the current year, then the second piece.
inline constexpr std::string_view kNoticeStart =
    "7\xB8""\x1A""\xF1""\x13""\xE9""\xCA"">\xC2""\x18""\x16""\xEE"";P\xF3""\x11""\x12""I(\xF5""*L\xE1""\xAE""\x13"
    "F\x19""\xEB""\x0E""P8\xF6""5\xFD""\xFF""\xD9"".G\xEC""\xD8""\x12""+z\xC0""\xBC""\xAF""\xD9""\x9B""\xD7""\xB0"
    "\xAD""\x82""\x96""\xD7""\x9D""x\xA7""v\x9F""\xA0""\x9B";
inline constexpr std::string_view kNoticeEnd =
    "\x1E""\xE2""\x1A""\xF8""/\xE4""\x1B""@\xB1""3\xF0""\xFA"".\x14""\xEE""\xD2""4\x81""\xA7""\xC8""\xBF""\xD4""\xD6"
    "\x92""|\xC2""\xBE""\xDF""\xD9""\xA8""\xC5""\xAD""\xDB""\xC6""\xC4";
// The web address of the link row.
inline constexpr std::string_view kLinkAddress =
    "''\xD4""\x1C"")0\xD7""\xFD""\x14""\xAF""W\xDE""\xE7""\x15""E\xCB""\xDF""\x1F""Q\x13""\xCD""\x0E""\x0E""\xD2"
    "\xCC""\x16""\x19""\xBB""\xC7""\xEA""\xC3""\xC8""\x9F""ud\xEF""\xAF""\xDE""|\xD9""\x9C""\xC0""\xC5""\xED""\xBA"
    "\xB4""\xAB""d\x9E""\xC6""\xA8""\xAF""\xC3""\xBF""\xDB""\x82";

}  // namespace plorvane::splash_texts

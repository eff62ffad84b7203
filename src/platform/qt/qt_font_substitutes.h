#pragma once
// Faces asked for by their Windows names that Linux does not have, drawn with a free face of the
// same kind instead. The name itself stays what the user chose and what the settings keep.

namespace plorvane {

// "Wingdings", the symbol window's default face, is drawn with URW's dingbat face D050000L
// (package fonts-urw-base35), which also has a glyph at every code from 32 to 255. Installs
// the substitutions once; later calls do nothing. A QGuiApplication must exist.
void InstallFontSubstitutes();

}  // namespace plorvane

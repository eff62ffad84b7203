// Christmas songs.
#include "tunes.h"

namespace plorvane::library {

std::vector<Tune> ChristmasTunes() {
  Tune jingle{.name = "Jingle Bells", .quarters_per_minute = 120, .melody_program = kGlockenspiel};
  jingle.melody =
      "B4q B4q B4h | B4q B4q B4h | B4q D5q G4q. A4e | B4w | C5q C5q C5q. C5e | C5q B4q B4q B4e B4e | "
      "B4q A4q A4q B4q | A4h D5h | B4q B4q B4h | B4q B4q B4h | B4q D5q G4q. A4e | B4w | C5q C5q C5q. C5e | "
      "C5q B4q B4q B4e B4e | D5q D5q C5q A4q | G4w";
  jingle.chords = "G:w | G:w | G:w | G:w | C:w | G:w | A7:w | D7:w | G:w | G:w | G:w | G:w | C:w | G:w | D7:w | G:w";

  Tune wish{.name = "We Wish You a Merry Christmas", .quarters_per_minute = 160, .beats_per_bar = 3, .repeats = 3,
            .melody_program = kCelesta};
  wish.melody =
      "G4q | C5q C5e D5e C5e B4e | A4q A4q A4q | D5q D5e E5e D5e C5e | B4q G4q G4q | E5q E5e F5e E5e D5e | "
      "C5q A4q G4e G4e | A4q D5q B4q | C5h";
  wish.chords = "r:q | C:h. | F:h. | D7:h. | G:h. | E7:h. | Am:h. | F:q G7:h | C:h";
  wish.chord_program = kPizzicatoStrings;
  wish.bass_program = kPizzicatoStrings;

  Tune silent{.name = "Silent Night", .quarters_per_minute = 92, .beats_per_bar = 3, .melody_program = kFlute};
  silent.melody =
      "G4q. A4e G4q | E4h. | G4q. A4e G4q | E4h. | D5h D5q | B4h. | C5h C5q | G4h. | A4h A4q | C5q. B4e A4q | "
      "G4q. A4e G4q | E4h. | A4h A4q | C5q. B4e A4q | G4q. A4e G4q | E4h. | D5h D5q | F5q. D5e B4q | C5h. | "
      "E5h. | C5q. G4e E4q | G4q. F4e D4q | C4h.";
  silent.chords =
      "C:h. | C:h. | C:h. | C:h. | G7:h. | G7:h. | C:h. | C:h. | F:h. | F:h. | C:h. | C:h. | F:h. | F:h. | "
      "C:h. | C:h. | G7:h. | G7:h. | C:h. | C:h. | C:h. | G7:h. | C:h.";
  silent.accompaniment = Accompaniment::kBroken;
  silent.chord_program = kHarp;

  Tune deck{.name = "Deck the Halls", .quarters_per_minute = 126, .melody_program = kBrassSection};
  deck.melody =
      "G5q. F5e E5q D5q | C5q D5q E5q C5q | D5e E5e F5e D5e E5q. D5e | C5q B4q C5h | "
      "G5q. F5e E5q D5q | C5q D5q E5q C5q | D5e E5e F5e D5e E5q. D5e | C5q B4q C5h | "
      "D5q. E5e F5q D5q | E5q. F5e G5q D5q | E5e F#5e G5q A5e B5e C6q | B5q A5q G5h | "
      "G5q. F5e E5q D5q | C5q D5q E5q C5q | A5e A5e A5e A5e G5q. F5e | E5q D5q C5h";
  deck.chords =
      "C:h. G7:q | C:w | G7:h C:h | C:q G7:q C:h | C:h. G7:q | C:w | G7:h C:h | C:q G7:q C:h | "
      "G7:w | C:h G:h | Em:h D7:h | G:w | C:h. G7:q | C:w | F:h G7:h | C:q G7:q C:h";
  deck.bass_program = kTuba;

  return {jingle, wish, silent, deck};
}

}  // namespace plorvane::library

// Folk songs and hymns.
#include "tunes.h"

namespace plorvane::library {

std::vector<Tune> FolkTunes() {
  Tune twinkle{.name = "Twinkle Twinkle Little Star", .quarters_per_minute = 96, .melody_program = kVibraphone};
  twinkle.melody =
      "C5q C5q G5q G5q | A5q A5q G5h | F5q F5q E5q E5q | D5q D5q C5h | G5q G5q F5q F5q | E5q E5q D5h | "
      "G5q G5q F5q F5q | E5q E5q D5h | C5q C5q G5q G5q | A5q A5q G5h | F5q F5q E5q E5q | D5q D5q C5h";
  twinkle.chords =
      "C:w | F:h C:h | F:h C:h | G7:h C:h | C:h G7:h | C:h G7:h | C:h G7:h | C:h G7:h | C:w | F:h C:h | "
      "F:h C:h | G7:h C:h";

  Tune clementine{.name = "Oh My Darling Clementine", .quarters_per_minute = 120, .beats_per_bar = 3, .repeats = 3,
                  .melody_program = kAccordion};
  clementine.melody =
      "F4e. F4s | F4q C4q A4e. A4s | A4q F4q F4e. A4s | C5q. C5e Bb4e A4e | G4h G4e. A4s | Bb4q Bb4q A4e. G4s | "
      "A4q F4q F4e. A4s | G4q. C4e E4e G4e | F4h";
  clementine.chords = "r:q | F:h. | F:h. | F:h. | C7:h. | C7:h. | F:h. | C7:h. | F:h";
  clementine.chord_program = kNylonGuitar;

  Tune grace{.name = "Amazing Grace", .quarters_per_minute = 80, .beats_per_bar = 3, .melody_program = kClarinet};
  grace.melody =
      "D4q | G4h B4e G4e | B4h A4q | G4h E4q | D4h D4q | G4h B4e G4e | B4h A4q | D5h.~ | D5h B4q | "
      "D5h B4e G4e | B4h A4q | G4h E4q | D4h D4q | G4h B4e G4e | B4h A4q | G4h.~ | G4h";
  grace.chords =
      "r:q | G:h. | G:h. | C:h. | G:h. | G:h. | G:h. | D7:h. | D7:h. | G:h. | G:h. | C:h. | G:h. | G:h. | "
      "D7:h. | G:h. | G:h";
  grace.accompaniment = Accompaniment::kSustained;
  grace.chord_program = kSlowStrings;

  return {twinkle, clementine, grace};
}

}  // namespace plorvane::library

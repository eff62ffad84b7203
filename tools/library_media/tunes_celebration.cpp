// Tunes for birthdays, weddings and the new year.
#include "tunes.h"

namespace plorvane::library {

std::vector<Tune> CelebrationTunes() {
  Tune birthday{.name = "Happy Birthday", .quarters_per_minute = 112, .beats_per_bar = 3, .repeats = 2};
  birthday.melody =
      "G4e. G4s | A4q G4q C5q | B4h G4e. G4s | A4q G4q D5q | C5h G4e. G4s | G5q E5q C5q | B4q A4q F5e. F5s | "
      "E5q C5q D5q | C5h";
  birthday.chords = "r:q | C:h. | G7:h. | G7:h. | C:h. | C7:h. | F:h. | C:h G7:q | C:h";

  // The bridal chorus from Wagner's Lohengrin.
  Tune bridal{.name = "Bridal Chorus", .quarters_per_minute = 72, .melody_program = kTrumpet};
  bridal.melody =
      "C5q F5e. F5s F5h | C5q G5e. E5s F5h | C5q F5e. Bb5s Bb5q A5e. G5s | F5q E5e. F5s G5h | "
      "C5q F5e. F5s F5h | C5q G5e. E5s F5h | C5q F5e. Bb5s A5q G5e. F5s | E5q D5e. E5s F5h";
  bridal.chords = "F:w | C7:h F:h | F:h Bb:h | F:h C7:h | F:w | C7:h F:h | F:h F:q C7:q | C7:h F:h";
  bridal.accompaniment = Accompaniment::kSustained;
  bridal.chord_program = kChurchOrgan;
  bridal.bass_program = kChurchOrgan;

  Tune auld{.name = "Auld Lang Syne", .quarters_per_minute = 96, .melody_program = kFiddle};
  auld.melody =
      "D4q | G4q. G4e G4q B4q | A4q. G4e A4q B4q | G4q. G4e B4q D5q | E5h. E5q | D5q. B4e B4q G4q | "
      "A4q. G4e A4q B4q | G4q. E4e E4q D4q | G4h. E5q | D5q. B4e B4q G4q | A4q. G4e A4q E5q | "
      "D5q. B4e B4q D5q | E5h. G5q | D5q. B4e B4q G4q | A4q. G4e A4q B4q | G4q. E4e E4q D4q | G4h.";
  auld.chords =
      "r:q | G:w | D7:w | G:w | C:w | G:w | D7:w | Em:h D7:h | G:w | G:w | D7:w | G:w | C:w | G:w | D7:w | "
      "Em:h D7:h | G:h.";
  auld.accompaniment = Accompaniment::kSustained;
  auld.chord_program = kStrings;

  return {birthday, bridal, auld};
}

}  // namespace plorvane::library

// Pieces by Brahms and Beethoven and the old English ballad.
#include "tunes.h"

namespace plorvane::library {

std::vector<Tune> ClassicalTunes() {
  Tune lullaby{.name = "Brahms Lullaby", .quarters_per_minute = 80, .beats_per_bar = 3, .melody_program = kMusicBox};
  lullaby.melody =
      "E4e E4e | G4h E4e E4e | G4h E4e G4e | C5q B4q. A4e | A4q G4q D4e E4e | F4q D4q D4e E4e | F4h D4e F4e | "
      "B4e A4e G4q B4q | C5h C4e C4e | C5h A4e F4e | G4h E4e C4e | F4q G4q A4q | G4h C4e C4e | C5h A4e F4e | "
      "G4h E4e C4e | F4q E4q D4q | C4h";
  lullaby.chords =
      "r:q | C:h. | C:h. | G7:h. | G7:h. | G7:h. | G7:h. | G7:h. | C:h. | F:h. | C:h. | F:h. | C:h. | F:h. | "
      "C:h. | G7:h. | C:h";
  lullaby.accompaniment = Accompaniment::kSustained;
  lullaby.chord_program = kSlowStrings;

  Tune ode{.name = "Ode to Joy", .quarters_per_minute = 112, .melody_program = kFrenchHorn};
  ode.melody =
      "E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | E5q. D5e D5h | E5q E5q F5q G5q | G5q F5q E5q D5q | "
      "C5q C5q D5q E5q | D5q. C5e C5h | D5q D5q E5q C5q | D5q E5e F5e E5q C5q | D5q E5e F5e E5q D5q | "
      "C5q D5q G4h | E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | D5q. C5e C5h";
  ode.chords =
      "C:w | G7:w | C:w | C:h G:h | C:w | G7:w | C:w | G7:h C:h | G:h C:h | G7:h C:h | G7:w | C:h G:h | "
      "C:w | G7:w | C:w | G7:h C:h";
  ode.accompaniment = Accompaniment::kSustained;
  ode.chord_program = kStrings;

  Tune greensleeves{.name = "Greensleeves", .quarters_per_minute = 120, .beats_per_bar = 3, .melody_program = kRecorder};
  greensleeves.melody =
      "A4q | C5h D5q | E5q. F5e E5q | D5h B4q | G4q. A4e B4q | C5h A4q | A4q. G#4e A4q | B4h G#4q | E4h A4q | "
      "C5h D5q | E5q. F5e E5q | D5h B4q | G4q. A4e B4q | C5q. B4e A4q | G#4q. F#4e G#4q | A4h. | A4h rq | "
      "G5h. | G5q. F#5e E5q | D5h B4q | G4q. A4e B4q | C5h A4q | A4q. G#4e A4q | B4h G#4q | E4h. | "
      "G5h. | G5q. F#5e E5q | D5h B4q | G4q. A4e B4q | C5q. B4e A4q | G#4q. F#4e G#4q | A4h. | A4h";
  greensleeves.chords =
      "r:q | Am:h. | C:h. | G:h. | Em:h. | Am:h. | E:h. | E:h. | Am:h. | Am:h. | C:h. | G:h. | Em:h. | Am:h. | "
      "E:h. | Am:h. | Am:h. | C:h. | G:h. | G:h. | Em:h. | Am:h. | E:h. | E:h. | E:h. | C:h. | G:h. | G:h. | "
      "Em:h. | Am:h. | E:h. | Am:h. | Am:h";
  greensleeves.accompaniment = Accompaniment::kBroken;
  greensleeves.chord_program = kNylonGuitar;

  // The opening of Beethoven's bagatelle in A minor, its middle phrase and the return.
  Tune elise{.name = "Fuer Elise", .quarters_per_minute = 66, .beats_per_bar = 3, .beat_unit = 8};
  elise.melody =
      "E5s D#5s | E5s D#5s E5s B4s D5s C5s | A4e rs C4s E4s A4s | B4e rs E4s G#4s B4s | C5e rs E4s E5s D#5s | "
      "E5s D#5s E5s B4s D5s C5s | A4e rs C4s E4s A4s | B4e rs E4s C5s B4s | A4e rs B4s C5s D5s | "
      "E5e. G4s F5s E5s | D5e. F4s E5s D5s | C5e. E4s D5s C5s | B4e rs E4s E5s rs | rs E5s E6s rs rs D#5s | "
      "E5s rs rs D#5s E5s D#5s | E5s D#5s E5s B4s D5s C5s | A4e rs C4s E4s A4s | B4e rs E4s G#4s B4s | "
      "C5e rs E4s E5s D#5s | E5s D#5s E5s B4s D5s C5s | A4e rs C4s E4s A4s | B4e rs E4s C5s B4s | A4q.";
  elise.voices = {{"Left hand", kPiano,
                   "re | rq. | A2s E3s A3s re. | E2s E3s G#3s re. | A2s E3s A3s re. | rq. | A2s E3s A3s re. | "
                   "E2s E3s G#3s re. | A2s E3s A3s re. | C3s G3s C4s re. | G2s G3s B3s re. | A2s E3s A3s re. | "
                   "E2s E3s G#3s re. | rq. | rq. | rq. | A2s E3s A3s re. | E2s E3s G#3s re. | A2s E3s A3s re. | "
                   "rq. | A2s E3s A3s re. | E2s E3s G#3s re. | A2q."}};

  return {lullaby, ode, greensleeves, elise};
}

}  // namespace plorvane::library

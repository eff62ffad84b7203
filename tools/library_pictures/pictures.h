#pragma once
// The library's card backgrounds, each kPictureWidth x kPictureHeight.

#include "graphics/bitmap.h"

namespace plorvane::art {

// Seasons.
Bitmap DrawSpringBlossoms();
Bitmap DrawSummerBeach();
Bitmap DrawAutumnLeaves();
Bitmap DrawWinterNight();
// Celebrations.
Bitmap DrawBirthdayBalloons();
Bitmap DrawBirthdayCake();
Bitmap DrawCongratulations();
Bitmap DrawWeddingRings();
// Feelings.
Bitmap DrawLoveHearts();
Bitmap DrawThankYouFlowers();
Bitmap DrawNewBabyStars();
Bitmap DrawGetWellRainbow();
// Holidays.
Bitmap DrawChristmasTree();
Bitmap DrawNewYearFireworks();
Bitmap DrawEasterEggs();
Bitmap DrawHalloweenPumpkins();

}  // namespace plorvane::art

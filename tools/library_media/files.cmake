# The files plorvane_library_media writes, in its order: tunes, sounds, animations, groups.
set(library_media_files
  "Happy Birthday.mid" "Bridal Chorus.mid" "Auld Lang Syne.mid"
  "Jingle Bells.mid" "We Wish You a Merry Christmas.mid" "Silent Night.mid" "Deck the Halls.mid"
  "Brahms Lullaby.mid" "Ode to Joy.mid" "Greensleeves.mid" "Fuer Elise.mid"
  "Twinkle Twinkle Little Star.mid" "Oh My Darling Clementine.mid" "Amazing Grace.mid"
  "Chime.wav" "Fanfare.wav" "Sparkle.wav"
  "Floating Hearts.san" "Beating Heart.san" "Twinkling Star.san" "Shooting Star.san" "Sparkles.san"
  "Falling Snow.san" "Spinning Snowflake.san" "Swinging Bell.san"
  "Red Balloon.san" "Falling Confetti.san" "Birthday Candle.san" "Gift Box.san" "Firework Burst.san"
  "Blooming Flower.san" "Spinning Daisy.san" "Fluttering Butterfly.san"
  "Happy Birthday Banner.san" "Congratulations Banner.san" "Merry Christmas Banner.san"
  "Happy New Year Banner.san"
  "Birthday Party.sag" "Balloon Bunch.sag" "Winter Wonderland.sag" "Hearts of Love.sag"
  "Spring Garden.sag" "Fireworks Night.sag" "Christmas Eve.sag")

# The files plorvane_library_pictures writes, by name: the library's card pictures, icons and
# animated cursors. The editor's library carrier packs them; the library tests check the list.
set(PLORVANE_LIBRARY_PICTURES
  "Spring Blossoms.jpg" "Summer Beach.jpg" "Autumn Leaves.jpg" "Winter Night.jpg"
  "Birthday Balloons.jpg" "Birthday Cake.jpg" "Congratulations.jpg" "Wedding Rings.jpg"
  "Love Hearts.jpg" "Thank You Flowers.jpg" "New Baby Stars.jpg" "Get Well Rainbow.jpg"
  "Christmas Tree.jpg" "New Year Fireworks.jpg" "Easter Eggs.jpg" "Halloween Pumpkins.jpg"
  Heart.ico Star.ico Gift.ico Balloon.ico Cake.ico Flower.ico Snowflake.ico Sun.ico
  Moon.ico Bell.ico Candle.ico "Music Note.ico" Envelope.ico Smile.ico Tree.ico Butterfly.ico
  "Spinning Star.ani" "Beating Heart.ani" "Twinkling Wand.ani" "Bouncing Ball.ani"
  "Spinning Snowflake.ani" "Blooming Flower.ani" "Ticking Clock.ani" "Rainbow Arrow.ani")

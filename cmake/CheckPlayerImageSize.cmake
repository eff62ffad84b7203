# Prints the player image's size and fails the build when it passes the limit. A failed image is
# removed, so the next build cannot take it for up to date.
file(SIZE "${IMAGE}" size)
message(STATUS "player image: ${size} bytes (limit ${LIMIT})")
if(size GREATER LIMIT)
  file(REMOVE "${IMAGE}")
  message(FATAL_ERROR "the player image is ${size} bytes, more than the ${LIMIT} a card executable allows")
endif()

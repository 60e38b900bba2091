# A fresh copy of a program folder for a test that saves games into it:
#   cmake -DFROM=DIR -DTO=DIR -P copy-program-folder.cmake
# The old copy goes first; saved games and a session left in FROM stay behind.
file(REMOVE_RECURSE "${TO}")
file(COPY "${FROM}/" DESTINATION "${TO}"
  PATTERN "Saves" EXCLUDE
  PATTERN "temp.db*" EXCLUDE)

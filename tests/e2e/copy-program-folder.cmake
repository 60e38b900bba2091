# A fresh copy of a program folder for a test that saves games into it:
#   cmake -DFROM=DIR -DTO=DIR [-DSAVES=ON] -P copy-program-folder.cmake
# The old copy goes first; a session left in FROM stays behind, and so do its
# saved games unless SAVES is set.
file(REMOVE_RECURSE "${TO}")
if(SAVES)
  file(COPY "${FROM}/" DESTINATION "${TO}" PATTERN "temp.db*" EXCLUDE)
else()
  file(COPY "${FROM}/" DESTINATION "${TO}"
    PATTERN "Saves" EXCLUDE
    PATTERN "temp.db*" EXCLUDE)
endif()

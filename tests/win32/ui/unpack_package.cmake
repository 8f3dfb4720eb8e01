# Unpacks the players' package into an empty folder, as a player would.
# Usage: cmake -DPACKAGE=zip -DFOLDER=destination -P unpack_package.cmake
if(NOT EXISTS ${PACKAGE})
  message(FATAL_ERROR "no package at ${PACKAGE}: make it with `cpack -G ZIP` "
                      "in the 32-bit build folder")
endif()
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(ARCHIVE_EXTRACT INPUT ${PACKAGE} DESTINATION ${FOLDER})

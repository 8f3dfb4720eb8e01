# The players' package: a ZIP of the 32-bit card, its sounds and a short
# guide, made by `cpack -G ZIP` in the build folder.
install(TARGETS slotscard RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/start.wav
              ${CMAKE_CURRENT_BINARY_DIR}/hold.wav DESTINATION .)
install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/w_sounds
                  ${CMAKE_CURRENT_BINARY_DIR}/l_sounds DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/player-guide.txt DESTINATION .
        RENAME README.txt)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(slots_package_platform win64)
else()
  set(slots_package_platform win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME slotscard)
set(CPACK_PACKAGE_VENDOR Tamsk)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Slots Card")
set(CPACK_PACKAGE_VERSION
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_FILE_NAME
    slotscard-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}-${slots_package_platform})
# One folder in the archive, so unpacking never scatters files.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)

# Draws the card's icon file at build time with a small host tool, from the
# same drawing as the reels' cherry, so the repository holds no picture.
# Sets SLOTS_CARD_ICON to the file the resource script takes in.
find_program(SLOTS_HOST_CXX NAMES c++ g++ REQUIRED)
set(make_icon_sources ${CMAKE_CURRENT_LIST_DIR}/make_icon.cpp
    ${PROJECT_SOURCE_DIR}/src/shell/card_icon_art.cpp)
if(CMAKE_HOST_WIN32)
  set(make_icon_tool ${CMAKE_BINARY_DIR}/tools/make_icon.exe)
else()
  set(make_icon_tool ${CMAKE_BINARY_DIR}/tools/make_icon)
endif()
set(SLOTS_CARD_ICON ${CMAKE_CURRENT_BINARY_DIR}/icon/slotscard.ico)

add_custom_command(
  OUTPUT ${make_icon_tool}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
  COMMAND ${SLOTS_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -Werror
          -I${PROJECT_SOURCE_DIR}/src ${make_icon_sources} -o ${make_icon_tool}
  DEPENDS ${make_icon_sources} ${PROJECT_SOURCE_DIR}/src/shell/card_icon_art.h
  COMMENT "Building the icon drawer")
add_custom_command(
  OUTPUT ${SLOTS_CARD_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icon
  COMMAND ${make_icon_tool} ${SLOTS_CARD_ICON}
  DEPENDS ${make_icon_tool}
  COMMENT "Drawing the card's icon")

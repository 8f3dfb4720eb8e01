# Generates the card's wave files beside slotscard.exe with a small host tool,
# so the repository holds no recordings.
find_program(SLOTS_HOST_CXX NAMES c++ g++ REQUIRED)
set(make_sounds_source ${CMAKE_CURRENT_LIST_DIR}/make_sounds.cpp)
if(CMAKE_HOST_WIN32)
  set(make_sounds_tool ${CMAKE_BINARY_DIR}/tools/make_sounds.exe)
else()
  set(make_sounds_tool ${CMAKE_BINARY_DIR}/tools/make_sounds)
endif()
set(card_sound_files start.wav hold.wav w_sounds/fanfare.wav w_sounds/chime.wav
    w_sounds/coins.wav l_sounds/fall.wav l_sounds/buzz.wav l_sounds/slide.wav)
list(TRANSFORM card_sound_files PREPEND ${CMAKE_CURRENT_BINARY_DIR}/
     OUTPUT_VARIABLE card_sound_outputs)

add_custom_command(
  OUTPUT ${make_sounds_tool}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
  COMMAND ${SLOTS_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -Werror
          ${make_sounds_source} -o ${make_sounds_tool}
  DEPENDS ${make_sounds_source}
  COMMENT "Building the sound generator")
add_custom_command(
  OUTPUT ${card_sound_outputs}
  COMMAND ${make_sounds_tool} ${CMAKE_CURRENT_BINARY_DIR}
  DEPENDS ${make_sounds_tool}
  COMMENT "Generating the card's sounds")
add_custom_target(card_sounds ALL DEPENDS ${card_sound_outputs})

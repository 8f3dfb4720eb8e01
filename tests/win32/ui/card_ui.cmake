# UI tests: a driver that starts the real card beside the stand-in chat
# library and plays it with window messages, as a player would.
set(CARD_UI_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/card_ui)

file(GLOB CARD_UI_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(card_ui_tests ${CARD_UI_SOURCES})
set_target_properties(card_ui_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                               ${CARD_UI_FOLDER})
target_include_directories(card_ui_tests PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(card_ui_tests PRIVATE
  UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
  STANDIN_WADAPI_DLL=L"$<TARGET_FILE_NAME:standin_wadapi>"
  PLANTED_LIBRARY_DLL=L"$<TARGET_FILE_NAME:planted_library>"
  STANDIN_WADAPI_NO_GET_ALL_TEXT_DLL=L"$<TARGET_FILE_NAME:standin_wadapi_no_get_all_text>")
# The portable core reads chat lines in the practice table's tests as the
# card does; screenshots are saved as the card saves its own.
target_link_libraries(card_ui_tests PRIVATE slots_win32 gtest gtest_main
                      version)
target_link_options(card_ui_tests PRIVATE -static -static-libgcc
                    -static-libstdc++)

# The programs under test, copied beside the driver whenever they change.
set(CARD_UI_PROGRAMS_COPIED ${CARD_UI_FOLDER}/programs_copied.stamp)
add_custom_command(
  OUTPUT ${CARD_UI_PROGRAMS_COPIED}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CARD_UI_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:slotscard>
          $<TARGET_FILE:standin_wadapi>
          $<TARGET_FILE:standin_wadapi_no_get_all_text>
          $<TARGET_FILE:planted_library> ${CARD_UI_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E touch ${CARD_UI_PROGRAMS_COPIED}
  DEPENDS slotscard standin_wadapi standin_wadapi_no_get_all_text
          planted_library)
add_custom_target(card_ui_programs ALL DEPENDS ${CARD_UI_PROGRAMS_COPIED})
add_dependencies(card_ui_tests card_ui_programs)

# The players' package is always the 32-bit one; a 64-bit test build is told
# where the 32-bit build left it.
set(SLOTS_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/slotscard-1.4-win32.zip
    CACHE FILEPATH "The players' package the UI tests unpack")
add_test(NAME win32_package_unpack
         COMMAND ${CMAKE_COMMAND} -DPACKAGE=${SLOTS_PACKAGE_ZIP}
                 -DFOLDER=${CARD_UI_FOLDER}/package_unpacked
                 -P ${CMAKE_CURRENT_LIST_DIR}/unpack_package.cmake)
set_tests_properties(win32_package_unpack PROPERTIES
  FIXTURES_SETUP card_package)

# The chat library fault tests, which run in an entry of their own below.
set(CHAT_LIBRARY_FAULTS "*ChatLibraryFaultsUi.*:ChatLibraryAbsentUi.*")
add_test(NAME win32_card_ui
         COMMAND card_ui_tests --gtest_filter=-PracticeLongRun.*:ProtectedFolderUi.*:${CHAT_LIBRARY_FAULTS}
         WORKING_DIRECTORY ${CARD_UI_FOLDER})
set_tests_properties(win32_card_ui PROPERTIES
  TIMEOUT 900 FIXTURES_REQUIRED "card_ui_screenshots;card_package")

# A thousand games on the practice table at the machinekeeper's fast pace:
# handles, windows and memory stay flat. An entry of its own, so its time
# shows apart from the other UI tests.
add_test(NAME win32_practice_long_run
         COMMAND card_ui_tests --gtest_filter=PracticeLongRun.*
         WORKING_DIRECTORY ${CARD_UI_FOLDER})
set_tests_properties(win32_practice_long_run PROPERTIES TIMEOUT 1200)

# A chat library that misbehaves in every way it can, one fault at a time:
# every click returns in time and the card plays on. An entry of its own, so
# its time shows apart; the runs at other DPIs leave it out.
add_test(NAME win32_chat_library_faults
         COMMAND card_ui_tests --gtest_filter=${CHAT_LIBRARY_FAULTS}
         WORKING_DIRECTORY ${CARD_UI_FOLDER})
set_tests_properties(win32_chat_library_faults PROPERTIES TIMEOUT 900)

# The card in a folder its player may not write in, read-only for real.
add_test(NAME win32_protected_folder
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run_protected_folder.sh
                 ${SLOTS_WINE_ARCH} $<TARGET_FILE:card_ui_tests>)
set_tests_properties(win32_protected_folder PROPERTIES
  TIMEOUT 600 SKIP_RETURN_CODE 77)

# The same window at 120 and 144 dpi, each in a Wine prefix of its own.
foreach(dpi 120 144)
  add_test(NAME win32_card_ui_${dpi}dpi
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run_at_dpi.sh ${SLOTS_WINE_ARCH} ${dpi}
                   $<TARGET_FILE:card_ui_tests>)
  set_tests_properties(win32_card_ui_${dpi}dpi PROPERTIES
    TIMEOUT 900 FIXTURES_REQUIRED card_ui_screenshots)
endforeach()

# Once as on a Japanese Windows: code page 932 and a Japanese font.
add_test(NAME win32_card_ui_japanese
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run_japanese.sh ${SLOTS_WINE_ARCH}
                 $<TARGET_FILE:card_ui_tests>)
set_tests_properties(win32_card_ui_japanese PROPERTIES
  TIMEOUT 900 FIXTURES_REQUIRED card_ui_screenshots)

# The driver saves BMP screenshots; turn them into PNG files for viewing.
find_program(IMAGEMAGICK_CONVERT convert)
if(IMAGEMAGICK_CONVERT)
  add_test(NAME win32_card_ui_screenshots
           COMMAND ${CMAKE_COMMAND} -DCONVERT=${IMAGEMAGICK_CONVERT}
                   -DFOLDER=${CARD_UI_FOLDER}
                   -P ${CMAKE_CURRENT_LIST_DIR}/screenshots_to_png.cmake)
  set_tests_properties(win32_card_ui_screenshots PROPERTIES
    FIXTURES_CLEANUP card_ui_screenshots)
endif()

option(SLOTS_I386_EMULATED_TESTS
       "Add the tests that run under i386 emulation (32-bit build only)" OFF)
if(SLOTS_I386_EMULATED_TESTS AND SLOTS_WINE_ARCH STREQUAL win32)
  include(${CMAKE_CURRENT_LIST_DIR}/../emulated/emulated_tests.cmake)
endif()

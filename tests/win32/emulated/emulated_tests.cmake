# The 32-bit build's tests for machines that run 32-bit programs only under
# QEMU's i386 emulation (scripts/run-emulated.sh), labelled i386_emulated:
# the tests that cross the chat library's boundary, play the card through its
# window and start the unpacked package. Under the emulator they take about
# twice as long, so the long run and the other DPIs stay with the 64-bit build.
# A test that fails runs once more; one that fails twice fails its entry.
function(add_emulated_test name program filter folder)
  add_test(NAME ${name}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/rerun_failed_once.sh
                   $<TARGET_FILE:${program}> ${filter}
           WORKING_DIRECTORY ${folder})
  set_tests_properties(${name} PROPERTIES LABELS i386_emulated TIMEOUT 1800
                                          ${ARGN})
endfunction()

add_emulated_test(emulated_chat_link slots_win32_tests
                  "ChatLinkTest.*:ChatLibraryLoader.*"
                  ${CMAKE_CURRENT_BINARY_DIR})
set(CARD_TRAY_TESTS "CardWindowUi.*Tray*")
add_emulated_test(emulated_card_ui card_ui_tests
                  "CardGameUi.*:CardWindowUi.*:ChatLibraryPlacesUi.*:-${CARD_TRAY_TESTS}"
                  ${CARD_UI_FOLDER})

# The tray tests, where the emulated Wine's taskbar takes icons at all.
add_executable(tray_probe ${CMAKE_CURRENT_LIST_DIR}/tray_probe.cpp)
target_compile_definitions(tray_probe PRIVATE UNICODE _UNICODE)
target_link_libraries(tray_probe PRIVATE shell32)
target_link_options(tray_probe PRIVATE -static -static-libgcc -static-libstdc++)
add_test(NAME emulated_card_tray
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run_tray_tests.sh
                 $<TARGET_FILE:tray_probe> $<TARGET_FILE:card_ui_tests>
                 ${CARD_TRAY_TESTS}
         WORKING_DIRECTORY ${CARD_UI_FOLDER})
set_tests_properties(emulated_card_tray PROPERTIES LABELS i386_emulated
                     TIMEOUT 900 SKIP_RETURN_CODE 77)
add_emulated_test(emulated_chat_library_faults card_ui_tests
                  ${CHAT_LIBRARY_FAULTS} ${CARD_UI_FOLDER})
add_emulated_test(emulated_package card_ui_tests "CardPackage.*"
                  ${CARD_UI_FOLDER} FIXTURES_REQUIRED card_package)

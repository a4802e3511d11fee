# The Win32 window's tests, built by the windows preset and run under Wine
# (scripts/test-windows.sh).

# Reads what only Win32 can tell about the running window (client size, resolution,
# z-order, accessible names); the Wine run compares it with the design.
add_executable(window_probe windows/window_probe.cpp)
target_compile_definitions(window_probe PRIVATE UNICODE _UNICODE _WIN32_WINNT=0x0A00)
target_link_libraries(window_probe PRIVATE oleacc oleaut32 ole32 uuid user32)
if(MINGW)
  target_link_options(window_probe PRIVATE -municode)  # its entry point is wmain
endif()

# The window's native controls in this process, with the program's manifest.
configure_file(windows/test_manifest.rc.in ${CMAKE_CURRENT_BINARY_DIR}/test_manifest.rc @ONLY)
add_executable(win32_window_tests
  windows/field_text.h
  windows/form1_win32_test.cpp
  windows/win32_test_main.cpp
  widest_results.cpp widest_results.h
  ${CMAKE_CURRENT_BINARY_DIR}/test_manifest.rc
)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/test_manifest.rc PROPERTIES
                            OBJECT_DEPENDS ${VORN_WINDOWS_MANIFEST})
target_link_libraries(win32_window_tests PRIVATE evui GTest::gtest)
gtest_discover_tests(win32_window_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS window)
add_executable(win32_behaviour_tests
  behaviours/win32_behaviour_test.cpp
  ${behaviour_sources}
  windows/win32_test_main.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/test_manifest.rc
)
target_link_libraries(win32_behaviour_tests PRIVATE evui GTest::gtest)
gtest_discover_tests(win32_behaviour_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS window)

# The program needs nothing beyond what every Windows system has.
add_test(NAME WindowsImportsOnlySystemLibraries
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/imports_test.sh
          ${CMAKE_OBJDUMP} $<TARGET_FILE:${VORN_EXECUTABLE}>)
add_test(NAME WindowsProgramHardened
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/pe_hardening_test.sh
          ${CMAKE_OBJDUMP} $<TARGET_FILE:${VORN_EXECUTABLE}>)
set_tests_properties(WindowsImportsOnlySystemLibraries WindowsProgramHardened PROPERTIES
                     LABELS package)
# The real window under Wine; it needs DISPLAY and WINEPREFIX (scripts/test-windows.sh).
add_test(NAME WindowUnderWine
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/window_test.sh
          $<TARGET_FILE:${VORN_EXECUTABLE}> $<TARGET_FILE:window_probe>
          ${CMAKE_CURRENT_SOURCE_DIR}/windows/expected_window.txt ${CMAKE_BINARY_DIR}/screenshots
          ${CMAKE_CURRENT_SOURCE_DIR}/worked_example.txt)
set_tests_properties(WindowUnderWine PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE LABELS program)

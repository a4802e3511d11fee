# The Qt window's tests, on Qt's offscreen platform and under Xvfb, and the Linux
# edition's desktop files and package.

find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(gui_tests
  application_test.cpp
  form1_click_test.cpp
  form1_window_test.cpp
  form_fixture.h
  gui_test_main.cpp
  soak_test.cpp
  widest_results.cpp widest_results.h
  behaviours/embedded_texts.h ${CMAKE_CURRENT_BINARY_DIR}/embedded_texts.cpp
  behaviours/suite.cpp behaviours/suite.h
)
target_link_libraries(gui_tests PRIVATE evui Qt6::Test GTest::gtest)
gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS window)
add_executable(qt_behaviour_tests
  behaviours/qt_behaviour_test.cpp
  ${behaviour_sources}
  gui_test_main.cpp
)
target_link_libraries(qt_behaviour_tests PRIVATE evui Qt6::Test GTest::gtest)
gtest_discover_tests(qt_behaviour_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS window)
# Hinting differs with the scale, so the longest results must fit at each one, and show
# whole and from their start as the behaviours ask.
foreach(scale 1.25 1.5 1.75 2)
  add_test(NAME LongestResultsScaledBy${scale}
    COMMAND gui_tests --gtest_filter=Form1Window.*Result*)
  add_test(NAME ResultBehavioursScaledBy${scale}
    COMMAND qt_behaviour_tests --gtest_filter=Window/QtWindow.Behaves/Shows*)
  set_tests_properties(LongestResultsScaledBy${scale} ResultBehavioursScaledBy${scale}
                       PROPERTIES ENVIRONMENT QT_SCALE_FACTOR=${scale} LABELS window)
endforeach()

# The real program on a virtual X server, driven by keyboard.
find_program(XVFB_RUN xvfb-run)
find_package(X11)
if(XVFB_RUN AND X11_FOUND)
  add_executable(send_close_request send_close_request.cpp)
  target_link_libraries(send_close_request PRIVATE X11::X11)
  add_test(NAME WindowSmokeTest
    COMMAND ${XVFB_RUN} -a -s "-screen 0 640x480x24"
            ${CMAKE_CURRENT_SOURCE_DIR}/smoke_test.sh $<TARGET_FILE:${VORN_EXECUTABLE}>
            $<TARGET_FILE:send_close_request> ${CMAKE_BINARY_DIR}/screenshots/window.png)
  # One virtual X server at a time: parallel xvfb-run calls can race for a display number.
  set_tests_properties(WindowSmokeTest PROPERTIES TIMEOUT 120 RESOURCE_LOCK xvfb LABELS program)

  add_test(NAME DisplayFailures
    COMMAND ${XVFB_RUN} -a ${CMAKE_CURRENT_SOURCE_DIR}/display_failure_test.sh
            $<TARGET_FILE:${VORN_EXECUTABLE}> $<TARGET_FILE:send_close_request>)
  set_tests_properties(DisplayFailures PROPERTIES TIMEOUT 300 RESOURCE_LOCK xvfb LABELS program)

  # The window scales as a whole on a high-density screen.
  foreach(scale 1.25 1.5 1.75 2)
    add_test(NAME WindowScaledBy${scale}
      COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
              ${CMAKE_CURRENT_SOURCE_DIR}/smoke_test.sh $<TARGET_FILE:${VORN_EXECUTABLE}>
              $<TARGET_FILE:send_close_request> ${CMAKE_BINARY_DIR}/screenshots/window-x${scale}.png)
    set_tests_properties(WindowScaledBy${scale} PROPERTIES TIMEOUT 120 RESOURCE_LOCK xvfb
                         ENVIRONMENT QT_SCALE_FACTOR=${scale} LABELS program)
  endforeach()
endif()

# The Linux edition as a package installs it.
add_test(NAME DesktopFilesValidate
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/validate_desktop_files.sh ${PROJECT_BINARY_DIR})
add_test(NAME InstallTree COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_tree_test.sh ${CMAKE_BINARY_DIR})
add_test(NAME DebianPackage
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/debian_package_test.sh ${CMAKE_BINARY_DIR}
                 $<IF:$<BOOL:${VORN_HARDENING}>,hardened,unhardened>)
set_tests_properties(DebianPackage PROPERTIES TIMEOUT 300)
set_tests_properties(DesktopFilesValidate InstallTree DebianPackage PROPERTIES LABELS package)

# Who the program is, declared once. Everything that names it (the code, the Windows
# resources and installer, the desktop entry and metainfo, the scripts and the tests) is
# generated from these values, so that a rename or a new version is one change here or in
# project().
set(VORN_PRODUCT_NAME "Vorn EV calculator" CACHE STRING "The program's name as users see it")
set(VORN_APPLICATION_ID "app.vorn.EvCalculator" CACHE STRING
    "Reverse-domain id of the desktop entry, metainfo and icons")
set(VORN_SHORT_NAME "EV calculator" CACHE STRING
    "The name under an icon on a phone's home screen, where the full one is cut")
set(VORN_EXECUTABLE "vorn-ev-calculator" CACHE STRING "The program's file and package name")
set(VORN_PUBLISHER "The Vorn developers" CACHE STRING "Who publishes the program")
set(VORN_CONTACT "dev@vorn.app" CACHE STRING "Where users and packagers write to")
set(VORN_SUMMARY "Work out whether calling a poker bet pays off" CACHE STRING
    "One line that says what the program is for")
set(VORN_RELEASE_DATE "2026-12-08" CACHE STRING "The date of this version's release")
# Never changes: it is what lets a newer Windows package replace an older one.
set(VORN_UPGRADE_CODE "66355CDE-7358-469D-8ABB-00463856B9B0" CACHE STRING
    "The Windows Installer upgrade code")
set(VORN_COPYRIGHT "Copyright (c) 2026 ${VORN_PUBLISHER}")
# The Windows version resources and manifest take four parts.
set(VORN_WINDOWS_VERSION ${PROJECT_VERSION}.0)

set(VORN_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/program_identity.h.in
               ${VORN_GENERATED_DIR}/program_identity.h @ONLY)
# The same values for the shell scripts and the shell tests, which source this file.
configure_file(${CMAKE_CURRENT_LIST_DIR}/identity.sh.in ${PROJECT_BINARY_DIR}/identity.sh @ONLY)
add_library(program_identity INTERFACE)
target_include_directories(program_identity INTERFACE ${VORN_GENERATED_DIR})

# The release number lives in the VERSION file alone; from it come the
# version resources of the program and the language modules, the package
# names and the installer's own version.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/VERSION)
file(STRINGS ${PROJECT_SOURCE_DIR}/VERSION VORNDEL_VERSION LIMIT_COUNT 1)
if(NOT VORNDEL_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must hold four numbers joined by dots, not '${VORNDEL_VERSION}'")
endif()
set(VORNDEL_VERSION_COMMAS "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},${CMAKE_MATCH_4}")
set(VORNDEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/res/version/version.h.in ${VORNDEL_GENERATED_DIR}/version.h @ONLY)

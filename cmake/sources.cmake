# Sources are picked up by folder and file-name suffix, so adding a file
# never means editing the build:
#   *_win32.cpp  Windows only          *_posix.cpp  native (Linux) only
#   src/frame/startup/main_win32.cpp is the program entry and stays out of the library.
set(VORNDEL_SUBSYSTEMS base commands editor docs frame tools settings platform)

set(VORNDEL_CORE_SOURCES)
foreach(dir IN LISTS VORNDEL_SUBSYSTEMS)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp)
  list(APPEND VORNDEL_CORE_SOURCES ${found})
endforeach()
list(FILTER VORNDEL_CORE_SOURCES EXCLUDE REGEX "/src/frame/startup/main_win32\\.cpp$")
if(WIN32)
  list(FILTER VORNDEL_CORE_SOURCES EXCLUDE REGEX "_posix\\.cpp$")
else()
  list(FILTER VORNDEL_CORE_SOURCES EXCLUDE REGEX "_win32\\.cpp$")
endif()

# Tests in tests/portable run in both builds; tests/native only natively;
# tests/win and tests/e2e only in the Windows build, under Wine.
file(GLOB_RECURSE VORNDEL_PORTABLE_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/portable/*.cpp)
file(GLOB VORNDEL_NATIVE_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/*.cpp)
file(GLOB VORNDEL_WIN_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/*.cpp)
file(GLOB VORNDEL_E2E_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*.cpp)
file(GLOB VORNDEL_TEST_SUPPORT CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)

set(VORNDEL_WARNINGS -Wall -Wextra -Wno-unused-parameter)

# Boost.Regex is used header-only from the system's headers (1.76 or newer),
# by the one file that wraps it. A folder holding only a link to them keeps
# the rest of /usr/include out of the cross build, and the other files'
# compile commands stay the same in every checkout (so the compiler cache
# serves them).
find_path(VORNDEL_BOOST_ROOT boost/regex.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(VORNDEL_BOOST_HEADERS ${CMAKE_BINARY_DIR}/boost_headers)
file(MAKE_DIRECTORY ${VORNDEL_BOOST_HEADERS})
file(CREATE_LINK ${VORNDEL_BOOST_ROOT}/boost ${VORNDEL_BOOST_HEADERS}/boost SYMBOLIC)
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/editor/regex/regex_pattern.cpp
                            PROPERTIES COMPILE_OPTIONS "-isystem;${VORNDEL_BOOST_HEADERS}")

function(vorndel_core_library name)
  add_library(${name} STATIC ${VORNDEL_CORE_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${VORNDEL_WARNINGS})
endfunction()

if(VORNDEL_TESTS AND NOT VORNDEL_FUZZ)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
endif()

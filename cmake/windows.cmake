# Windows build (MinGW-w64 cross compiler): the program, the language
# modules, and the Windows-side and end-to-end tests run under Wine.
enable_language(RC)
include(cmake/version.cmake)
add_link_options(-static)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

set(VORNDEL_WIN_LIBS user32 gdi32 comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid imm32 uxtheme advapi32)

vorndel_core_library(vorndel_core)
target_link_libraries(vorndel_core PUBLIC ${VORNDEL_WIN_LIBS})

file(GLOB program_resources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/*.rc)
add_executable(Vorndel WIN32 ${PROJECT_SOURCE_DIR}/src/frame/startup/main_win32.cpp ${program_resources})
target_link_libraries(Vorndel PRIVATE vorndel_core)
target_link_options(Vorndel PRIVATE -municode -mwindows)
target_include_directories(Vorndel PRIVATE ${VORNDEL_GENERATED_DIR} ${PROJECT_SOURCE_DIR}/res/version)
set_source_files_properties(${program_resources} PROPERTIES
  OBJECT_DEPENDS "${VORNDEL_GENERATED_DIR}/version.h;${PROJECT_SOURCE_DIR}/res/version/version_info.rc")

# Language modules: resource-only DLLs, one per folder under lang/.
file(GLOB language_dirs LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/lang/*)
set(language_modules)
foreach(dir IN LISTS language_dirs)
  if(IS_DIRECTORY ${dir})
    get_filename_component(language ${dir} NAME)
    file(GLOB_RECURSE language_inputs CONFIGURE_DEPENDS ${dir}/*)
    set(res ${CMAKE_BINARY_DIR}/lang/${language}.res)
    set(dll ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${language}.dll)
    add_custom_command(OUTPUT ${dll}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/lang ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
      COMMAND ${CMAKE_RC_COMPILER} -c 65001 -I ${dir} -I ${PROJECT_SOURCE_DIR}/res/version -I ${VORNDEL_GENERATED_DIR}
              ${dir}/${language}.rc -O coff -o ${res}
      COMMAND ${CMAKE_C_COMPILER} -shared -nostdlib -Wl,-e,0 -s ${res} -o ${dll}
      DEPENDS ${language_inputs} ${VORNDEL_GENERATED_DIR}/version.h ${PROJECT_SOURCE_DIR}/res/version/version_info.rc
      COMMENT "Language module ${language}.dll")
    list(APPEND language_modules ${dll})
  endif()
endforeach()
add_custom_target(language_modules ALL DEPENDS ${language_modules})

# The default tag libraries, read from beside the program until the user's
# own library exists: OptTags.txt first under a Japanese interface.
set(default_tag_libraries)
foreach(library OptTags_en.txt OptTags.txt)
  set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${library})
  add_custom_command(OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/res/${library} ${copy}
    DEPENDS ${PROJECT_SOURCE_DIR}/res/${library}
    COMMENT "Default tag library ${library}")
  list(APPEND default_tag_libraries ${copy})
endforeach()
add_custom_target(default_tag_library ALL DEPENDS ${default_tag_libraries})
add_dependencies(Vorndel default_tag_library)

if(VORNDEL_TESTS)
  add_executable(vorndel_win_tests ${VORNDEL_PORTABLE_TESTS} ${VORNDEL_WIN_TESTS} ${VORNDEL_TEST_SUPPORT})
  target_include_directories(vorndel_win_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(vorndel_win_tests PRIVATE vorndel_core gtest_main)
  gtest_discover_tests(vorndel_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)

  if(VORNDEL_E2E_TESTS)
    add_executable(vorndel_e2e_tests ${VORNDEL_E2E_TESTS})
    target_include_directories(vorndel_e2e_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
    # The core library only for the settings reader, to judge files the program wrote.
    target_link_libraries(vorndel_e2e_tests PRIVATE vorndel_core gtest_main ${VORNDEL_WIN_LIBS})
    add_dependencies(vorndel_e2e_tests Vorndel language_modules command_line_probe)
    # What the tool-slot scenario runs as an external program.
    add_executable(command_line_probe WIN32 ${PROJECT_SOURCE_DIR}/tests/e2e/probe/command_line_probe.cpp)
    target_link_options(command_line_probe PRIVATE -municode -mwindows)
    gtest_discover_tests(vorndel_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
      PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
  endif()
endif()
include(cmake/package.cmake)

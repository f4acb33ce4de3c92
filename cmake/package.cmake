# What a release ships: the help file beside the program, and in
# build/win/package the installer and the portable zip (package.sh copies
# them to dist/).
find_program(VORNDEL_CHMCMD chmcmd REQUIRED)
find_program(VORNDEL_MAKENSIS makensis REQUIRED)

# The help file, compiled from a copy of help/ so that the compiler's
# output stays out of the sources.
file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
set(help_work ${CMAKE_BINARY_DIR}/help)
set(help_file ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Vorndel.chm)
add_custom_command(OUTPUT ${help_file}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_work}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help ${help_work}
  # chmcmd finds the project's files from the current folder.
  COMMAND ${CMAKE_COMMAND} -E chdir ${help_work} ${VORNDEL_CHMCMD} --no-html-scan --verbosity 0 Vorndel.hhp
          > ${CMAKE_BINARY_DIR}/chmcmd.log
  COMMAND ${CMAKE_COMMAND} -E copy ${help_work}/Vorndel.chm ${help_file}
  DEPENDS ${help_sources}
  COMMENT "Help file Vorndel.chm")
add_custom_target(help_file ALL DEPENDS ${help_file})
add_dependencies(Vorndel help_file)

# The release's files, stripped of their symbols, as both packages hold them.
set(package_dir ${CMAKE_BINARY_DIR}/package)
set(release_dir ${package_dir}/release)
file(MAKE_DIRECTORY ${package_dir})
set(release_names Vorndel.exe English.dll Japanese.dll OptTags_en.txt Vorndel.chm)
set(release_inputs)
foreach(name IN LISTS release_names)
  list(APPEND release_inputs ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
endforeach()
set(setup_file ${package_dir}/Vorndel-${VORNDEL_VERSION}-setup.exe)
set(portable_file ${package_dir}/Vorndel-${VORNDEL_VERSION}-portable.zip)
file(GLOB installer_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/installer/*)

add_custom_command(OUTPUT ${setup_file} ${portable_file}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${release_dir} ${setup_file} ${portable_file}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${release_dir}/Vorndel
  COMMAND ${CMAKE_COMMAND} -E copy ${release_inputs} ${release_dir}/Vorndel
  COMMAND ${CMAKE_STRIP} ${release_dir}/Vorndel/Vorndel.exe
  COMMAND ${VORNDEL_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VORNDEL_VERSION} -DBIN=${release_dir}/Vorndel
          -DROOT=${PROJECT_SOURCE_DIR} -DOUTFILE=${setup_file} ${PROJECT_SOURCE_DIR}/installer/Vorndel.nsi
  # An empty settings file beside the program is what makes a copy keep
  # its settings and tag library in its own folder.
  COMMAND ${CMAKE_COMMAND} -E touch ${release_dir}/Vorndel/Vorndel.ini
  COMMAND ${CMAKE_COMMAND} -E chdir ${release_dir} ${CMAKE_COMMAND} -E tar cf ${portable_file} --format=zip Vorndel
  # Unpacked again for the end-to-end scenario of the portable copy.
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_dir}/unpacked
  COMMAND ${CMAKE_COMMAND} -E make_directory ${package_dir}/unpacked
  COMMAND ${CMAKE_COMMAND} -E chdir ${package_dir}/unpacked ${CMAKE_COMMAND} -E tar xf ${portable_file}
  WORKING_DIRECTORY ${package_dir}
  DEPENDS ${release_inputs} ${installer_sources} Vorndel language_modules default_tag_library help_file
  COMMENT "Installer and portable zip ${VORNDEL_VERSION}")
add_custom_target(packages ALL DEPENDS ${setup_file} ${portable_file})

# The end-to-end scenarios of the packages read the version and the files'
# version resources.
if(TARGET vorndel_e2e_tests)
  add_dependencies(vorndel_e2e_tests packages)
  target_include_directories(vorndel_e2e_tests PRIVATE ${VORNDEL_GENERATED_DIR})
  target_link_libraries(vorndel_e2e_tests PRIVATE version)
endif()

# The manual's links and contents, and the compiled file's pages.
if(VORNDEL_TESTS)
  find_program(VORNDEL_PYTHON python3 REQUIRED)
  add_test(NAME help_links COMMAND ${VORNDEL_PYTHON} ${PROJECT_SOURCE_DIR}/tests/help/check_help.py
    ${PROJECT_SOURCE_DIR}/help ${help_file})
endif()

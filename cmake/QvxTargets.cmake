# Shared compile settings and the helpers that every folder uses.

function(qvx_warnings target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")  # the fuzz build
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow-uncaptured-local
                                             -Wno-missing-field-initializers)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
                                             -Wno-missing-field-initializers
                                             -Wno-maybe-uninitialized)
  endif()
  if(QVX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# With QVX_UNITY a target compiles in batches of eight files: each batch parses the Qt and
# GoogleTest headers once instead of eight times.
function(qvx_unity target)
  if(QVX_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()

# qvx_test_code(target): settings of every target made of test code. Without
# QVX_OPTIMIZE_TESTS it compiles unoptimised: GoogleTest's macros take a third longer at -O2,
# and the code under test, in the layer libraries, keeps the build's optimisation.
function(qvx_test_code target)
  qvx_warnings(${target})
  qvx_unity(${target})
  if(NOT QVX_OPTIMIZE_TESTS)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

# qvx_library(name SOURCES ... LINKS ...): a layer library rooted at src/.
function(qvx_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  qvx_warnings(${name})
  qvx_unity(${name})
endfunction()

# qvx_test(name [GUI] [PLATFORM qpa] SOURCES ... LINKS ...): a GoogleTest executable run
# headless with a private runtime folder, so tests never need a display or share state.
# GUI tests get a QApplication (offscreen, or the PLATFORM given, e.g. offscreen with a
# screens file), the others a QCoreApplication.
function(qvx_test name)
  cmake_parse_arguments(ARG "GUI" "PLATFORM" "SOURCES;LINKS" ${ARGN})
  if(NOT ARG_PLATFORM)
    set(ARG_PLATFORM offscreen)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE qvx_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE qvx_test_main)
  endif()
  target_link_libraries(${name} PRIVATE qvx_test_support ${ARG_LINKS} GTest::gtest)
  qvx_test_code(${name})
  add_test(NAME ${name} COMMAND ${name})
  set(runtime_dir ${CMAKE_CURRENT_BINARY_DIR}/xdg-${name})
  file(MAKE_DIRECTORY ${runtime_dir})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=${ARG_PLATFORM};XDG_RUNTIME_DIR=${runtime_dir};QT_LOGGING_RULES=qt.qpa.*=false"
    TIMEOUT 300)
endfunction()

# qvx_ship(target [COMPONENT name] FILES ...): files the program reads from its own folder
# (default set-ups, question media). The build copies them beside the executable, so the
# build tree is a portable console; they install in the data folder, where an installed
# console reads them.
function(qvx_ship target)
  cmake_parse_arguments(ARG "" "COMPONENT" "FILES" ${ARGN})
  if(NOT ARG_COMPONENT)
    set(ARG_COMPONENT Unspecified)
  endif()
  set(program_dir ${PROJECT_BINARY_DIR}/src/app)  # where qvxconsole is built
  set(copies)
  foreach(file ${ARG_FILES})
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${program_dir}/${name}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${program_dir}/${name}
      DEPENDS ${file} VERBATIM)
    list(APPEND copies ${program_dir}/${name})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${copies})
  install(FILES ${ARG_FILES} DESTINATION ${QVX_INSTALL_DATADIR} COMPONENT ${ARG_COMPONENT})
endfunction()

# One function per kind of target, so that the common options are set once.

function(k9_set_common_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
  if(K9_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_STRICT_ITERATORS)
endfunction()

# k9_add_library(<name> DIR <source dir> [LINKS <libs...>])
# Takes every .cpp and .h of DIR (not recursing), so that adding a file needs no edit here.
function(k9_add_library name)
  cmake_parse_arguments(ARG "" "DIR" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp" "${ARG_DIR}/*.h")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  k9_set_common_options(${name})
endfunction()

# k9_add_executable(<name> SOURCES <files...> [LINKS <libs...>])
function(k9_add_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  k9_set_common_options(${name})
endfunction()

# k9_add_test(<name> SOURCES <files...> [LINKS <libs...>] [GUI])
# A QtTest executable registered with CTest. GUI tests run on the offscreen platform.
function(k9_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LINKS})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  k9_set_common_options(${name})
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# k9_add_tests_in(<dir> [LINKS <libs...>] [GUI])
# Every tst_<name>.cpp of DIR becomes the test <dir>_<name>.
function(k9_add_tests_in dir)
  cmake_parse_arguments(ARG "GUI" "" "LINKS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/tst_*.cpp")
  set(gui)
  if(ARG_GUI)
    set(gui GUI)
  endif()
  foreach(file IN LISTS tests)
    get_filename_component(base "${file}" NAME_WE)
    string(REGEX REPLACE "^tst_" "" base "${base}")
    k9_add_test(${dir}_${base} SOURCES "${file}" LINKS ${ARG_LINKS} ${gui})
  endforeach()
endfunction()

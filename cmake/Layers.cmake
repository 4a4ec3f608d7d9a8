# Every layer is one library made of all the sources under its folders, so that adding a
# file never needs a build-file edit.
function(vantrel_layer name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS;PRIVATE_DEPS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
    vantrel_fuzz_instrument(${name})
    vantrel_build_time(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# The shared fixtures lie beside the project; a clone elsewhere finds them through
# VANTREL_FIXTURES or not at all, and the tests that need them say so and skip.
set(VANTREL_FIXTURES "$ENV{VANTREL_FIXTURES}")
if(NOT VANTREL_FIXTURES)
  foreach(candidate ${PROJECT_SOURCE_DIR}/../shared/fixtures /work/shared/fixtures)
    if(EXISTS ${candidate})
      get_filename_component(VANTREL_FIXTURES ${candidate} ABSOLUTE)
      break()
    endif()
  endforeach()
endif()

# The field's own checkers (the CANopen EDS linter) lie in the shared folder beside the
# project; without it the tests that need them say so and skip.
get_filename_component(VANTREL_SHARED ${PROJECT_SOURCE_DIR}/../shared ABSOLUTE)
if(NOT EXISTS ${VANTREL_SHARED})
  set(VANTREL_SHARED "")
endif()

# One test program per layer, made of every test source in its folder; its main (in the
# test support) gives every test a clean application state.
function(vantrel_tests layer)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${layer}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${layer} ${sources})
  target_link_libraries(test_${layer} PRIVATE ${layer} testsupport GTest::gtest GTest::gmock)
  target_compile_definitions(test_${layer} PRIVATE TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/${layer}")
  vantrel_build_time(test_${layer} TESTS)
  add_test(NAME ${layer} COMMAND test_${layer})
  set_tests_properties(${layer} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${VANTREL_SANITIZER_ENV}")
endfunction()

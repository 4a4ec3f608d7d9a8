# Cold builds on two cores stay short: the headers that nearly every file includes are
# compiled once per target instead of once per file, and unity builds compile a target's
# files in batches, so that each header is read once per batch. Both are on in the
# sanitizer build. The precompiled headers are set up for clang only: the flags that let
# ccache cache their users are clang's.
option(VANTREL_PCH "Precompile the standard and platform headers that most files include (clang)" ${VANTREL_SANITIZE})
option(VANTREL_UNITY "Compile each library and test program in unity batches" ${VANTREL_SANITIZE})

# GCC takes a unity batch's files for headers and warns where a test defined in one uses
# a fixture from its own anonymous namespace; in a source file that is as it should be.
if(VANTREL_UNITY AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-subobject-linkage)
endif()

if(VANTREL_PCH AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VANTREL_PCH needs clang: configure with CXX=clang++ or -DVANTREL_PCH=OFF")
endif()

# The platform's own files share Qt's widget headers; everything above it shares the
# standard library and the platform's public headers, and the test programs GoogleTest too.
set(VANTREL_PCH_STANDARD <algorithm> <cstdint> <functional> <map> <memory> <optional> <string> <vector>)
set(VANTREL_PCH_PLATFORM ${VANTREL_PCH_STANDARD} <QApplication> <QPainter> <QWidget>)
set(VANTREL_PCH_SYSTEM ${VANTREL_PCH_STANDARD}
    "${PROJECT_SOURCE_DIR}/src/platform/rtl/Exceptions.h" "${PROJECT_SOURCE_DIR}/src/platform/rtl/SysUtils.h"
    "${PROJECT_SOURCE_DIR}/src/platform/ui/Forms.h" "${PROJECT_SOURCE_DIR}/src/platform/ui/Graphics.h")
set(VANTREL_PCH_TESTS ${VANTREL_PCH_SYSTEM} <gtest/gtest.h>)

# Files whose file-local names clash with a neighbour's, or with a name of the precompiled
# headers, compile alone and without them.
set(VANTREL_COMPILE_ALONE
    src/grid/foundation/painting/GifFrames.cpp
    src/grid/foundation/painting/SelectionLook.cpp
    src/workspace/UParGenFile.cpp
    src/workspace/USoftOptions.cpp
    tests/controls/LbButtonTest.cpp
    tests/editors/ethernetip/TargetConfigTest.cpp
    tests/grid/foundation/editors/PickerLookTest.cpp
    tests/grid/foundation/painting/ThemeTest.cpp)
list(TRANSFORM VANTREL_COMPILE_ALONE PREPEND "${PROJECT_SOURCE_DIR}/")

function(vantrel_build_time target)
  cmake_parse_arguments(ARG "TESTS" "" "" ${ARGN})
  set_source_files_properties(${VANTREL_COMPILE_ALONE} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON
                              SKIP_PRECOMPILE_HEADERS ON)
  if(VANTREL_PCH)
    if(ARG_TESTS)
      target_precompile_headers(${target} PRIVATE ${VANTREL_PCH_TESTS})
    elseif(target STREQUAL "platform")
      target_precompile_headers(${target} PRIVATE ${VANTREL_PCH_PLATFORM})
    else()
      target_precompile_headers(${target} PRIVATE ${VANTREL_PCH_SYSTEM})
    endif()
  endif()
  if(VANTREL_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()

# ccache caches compilations that use a precompiled header only when it may ignore the
# header's time stamps, and clang must leave its own stamp out of the header.
if(VANTREL_PCH)
  add_compile_options("SHELL:-Xclang -fno-pch-timestamp")
  if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${CCACHE_PROGRAM})
  endif()
endif()

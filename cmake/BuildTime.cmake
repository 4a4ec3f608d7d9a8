# Cold builds on two cores stay short: the headers that nearly every file includes are
# compiled once per target instead of once per file, and unity builds compile a library's
# files in batches, so that each header is read once per batch.
option(VANTREL_PCH "Precompile the platform's public headers" OFF)
option(VANTREL_UNITY "Compile each library and test program in unity batches" OFF)

# The platform's own files share Qt's widget headers; everything above it shares the
# standard library and the platform's public headers, and the test programs GoogleTest too.
set(VANTREL_PCH_PLATFORM <string> <vector> <memory> <functional> <algorithm> <QApplication> <QWidget> <QPainter>)
set(VANTREL_PCH_SYSTEM <string> <vector> <memory> <functional> <algorithm>
    "${PROJECT_SOURCE_DIR}/src/platform/rtl/SysUtils.h" "${PROJECT_SOURCE_DIR}/src/platform/rtl/Exceptions.h"
    "${PROJECT_SOURCE_DIR}/src/platform/ui/Graphics.h" "${PROJECT_SOURCE_DIR}/src/platform/ui/Forms.h")
set(VANTREL_PCH_TESTS ${VANTREL_PCH_SYSTEM} <gtest/gtest.h>)

function(vantrel_build_time target)
  cmake_parse_arguments(ARG "TESTS" "" "" ${ARGN})
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

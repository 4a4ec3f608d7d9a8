# The sanitizer build: clang with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer on every target. The libraries also carry libFuzzer's coverage
# hooks, so that the same build links the fuzz targets and CI builds twice, not three times.
option(VANTREL_SANITIZE "AddressSanitizer, UndefinedBehaviorSanitizer and the fuzz targets (clang only)" OFF)

if(VANTREL_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VANTREL_SANITIZE needs clang: configure with CXX=clang++")
  endif()
  # Every finding stops the program, so that a test or a corpus replay fails on it.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # strndup is left alone: with strict string checks its interceptor reads past the given
  # length to a terminating zero, and X's keyboard library, which the program meets when a
  # test starts it on a real display, hands it names that are not zero-terminated.
  set(VANTREL_SANITIZER_ENV
      "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1:intercept_strndup=0:detect_stack_use_after_return=1:check_initialization_order=1"
      "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endif()

# The coverage hooks for libFuzzer on one library of the system.
function(vantrel_fuzz_instrument target)
  if(VANTREL_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# Instrumentation of a fuzzing build (clang only, LUMAVEIL_FUZZ_INSTRUMENT
# ON, as scripts/fuzz configures it): every library the fuzz targets link is
# compiled with coverage feedback, AddressSanitizer and UndefinedBehavior-
# Sanitizer; any undefined behaviour stops the run. LUMAVEIL_FUZZ tells the
# code it is fuzzed: work it would only share between threads for large
# inputs is shared for the small inputs fuzzing makes too.
option(LUMAVEIL_FUZZ_INSTRUMENT "Instrument every target for libFuzzer (clang fuzzing builds)" OFF)
if(LUMAVEIL_FUZZERS AND LUMAVEIL_FUZZ_INSTRUMENT AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(LUMAVEIL_FUZZ)
endif()

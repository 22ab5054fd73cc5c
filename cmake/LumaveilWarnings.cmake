# lumaveil_warnings(TARGET): the project's warning set on one target.
function(lumaveil_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wno-missing-field-initializers)
  if(LUMAVEIL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

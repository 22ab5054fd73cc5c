# Runs the graph check on a graph with one breach of each rule and fails
# unless the check fails and names every breach.
execute_process(
  COMMAND ${CMAKE_COMMAND} -DGRAPH=${FAULTY} -P ${CHECK}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(result EQUAL 0)
  message(FATAL_ERROR "the check passed a graph with breaches:\n${out}${err}")
endif()
# CMake wraps long messages: compare with the white space folded.
string(REGEX REPLACE "[ \t\n]+" " " err "${err}")
foreach(expected
    "cycle: talvik_util -> talvik_imaging -> talvik_util"
    "lumaveil_model links Qt \\(Qt6::Core\\)"
    "player target LmvEngine links talvik_base \\(talvik/base\\)"
    "imaging target talvik_imaging links talvik_util \\(talvik/util\\)"
    "util target talvik_util links talvik_imaging \\(talvik/imaging\\)"
    "talvik_base links lmv_package: the base types link nothing")
  if(NOT err MATCHES "${expected}")
    message(FATAL_ERROR "the check did not report \"${expected}\":\n${err}")
  endif()
endforeach()

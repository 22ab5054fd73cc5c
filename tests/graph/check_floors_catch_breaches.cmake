# Runs the floor check of maker/ui on a tree with one breach of each kind
# and fails unless the check fails and names every breach.
execute_process(
  COMMAND ${PYTHON} ${SCRIPT} --verifie --racine ${RACINE}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(result EQUAL 0)
  message(FATAL_ERROR "the check passed a tree with breaches:\n${out}${err}")
endif()
foreach(expected
    "edges running back up: 1 "
    "  bas -> haut  \\(bas/bas.h\\)"
    "folder without a floor: sans_etage")
  if(NOT out MATCHES "${expected}")
    message(FATAL_ERROR "the check did not report \"${expected}\":\n${out}${err}")
  endif()
endforeach()

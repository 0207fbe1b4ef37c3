# Runs the example generator into a scratch folder and checks that it gives the committed files
# byte for byte (the examples are up to date and the generator is deterministic).
file(REMOVE_RECURSE "${DOSSIER}")
execute_process(COMMAND "${GENERATEUR}" "${DOSSIER}" RESULT_VARIABLE code OUTPUT_QUIET)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the generator failed (${code})")
endif()
foreach(nom Club_Exemple_TPP.pbn Match_Exemple_MPQ.pbn Donne_Incomplete.pbn)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DOSSIER}/${nom}" "${SOURCE}/${nom}"
    RESULT_VARIABLE difference)
  if(NOT difference EQUAL 0)
    message(FATAL_ERROR "${nom} differs from what the generator writes now")
  endif()
endforeach()

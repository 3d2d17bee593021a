# Runs the font generator twice on the same sources, at different times, and checks that the
# two font files are byte for byte the same.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
foreach(set upper lower)
  foreach(run 1 2)
    execute_process(
      COMMAND ${PYTHON} ${GENERATOR} --glyphs ${GLYPHS_DIR}/${set}.glyphs --table ${TABLE}
              --family Vexa-Dir-Test --out ${WORK_DIR}/${set}-${run}.fon
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "the generator failed on ${set}.glyphs: ${result}")
    endif()
    if(run EQUAL 1)
      execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${set}-1.fon
                          ${WORK_DIR}/${set}-2.fon RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "two runs on ${set}.glyphs gave different font files")
  endif()
endforeach()

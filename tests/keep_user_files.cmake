# The user's wildcard.ini and name lists survive a second configure and a
# build (what every start does); a deleted one comes back from the shipped.
# cmake -DSOURCE=<project> -DWORK=<scratch folder> -P keep_user_files.cmake

file(REMOVE_RECURSE ${WORK})
set(configure ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK} -G Ninja -DQUENVAR_GUI=OFF -DQUENVAR_TESTS=OFF
    -DQUENVAR_BENCH=OFF)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${errors}")
  endif()
endfunction()

function(expect file text)
  file(READ ${file} actual)
  if(NOT actual STREQUAL text)
    message(FATAL_ERROR "${file} holds '${actual}', expected '${text}'")
  endif()
endfunction()

run(${configure})
file(READ ${SOURCE}/data/wildcard.ini shipped)
expect(${WORK}/wildcard.ini "${shipped}")
expect(${WORK}/defaults/wildcard.ini "${shipped}")

file(WRITE ${WORK}/wildcard.ini "[Special Char]\nTotal=0\n")
file(WRITE ${WORK}/name/last_names.txt "Mine\n")
run(${configure})
run(${CMAKE_COMMAND} --build ${WORK} --target quenvar_data)
expect(${WORK}/wildcard.ini "[Special Char]\nTotal=0\n")
expect(${WORK}/name/last_names.txt "Mine\n")

file(REMOVE ${WORK}/wildcard.ini)
run(${CMAKE_COMMAND} --build ${WORK} --target quenvar_data)
expect(${WORK}/wildcard.ini "${shipped}")
file(REMOVE_RECURSE ${WORK})

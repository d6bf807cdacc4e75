# Installs the build into a fresh prefix, runs the installed qorhost's tour from a folder
# that holds nothing else, then configures, builds and runs consumer/ against the package.
# Run by CTest: cmake -DBUILD_DIR=... -DWORK_DIR=... -DCONSUMER_DIR=... -DCXX_COMPILER=...
#                    -DSANITIZE=ON|OFF -P run.cmake

function(run_step what)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}")
  endif()
  message(STATUS "${what}: ok")
  set(STEP_OUTPUT "${output}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

run_step("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The tour needs nothing but the program: no source tree, no scripts beside it.
run_step("installed qorhost demo" ${prefix}/bin/qorhost demo)
if(NOT STEP_OUTPUT MATCHES "[1-9][0-9]* passed, 0 failed")
  message(FATAL_ERROR "the installed tour did not pass:\n${STEP_OUTPUT}")
endif()

set(flags "")
if(SANITIZE)
  # The installed library is instrumented: the product links the sanitizer runtimes.
  set(flags -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined)
endif()
run_step("configure consumer" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer
  -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER} ${flags})
run_step("build consumer" ${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run_step("run consumer" ${WORK_DIR}/consumer/consumer)
if(NOT STEP_OUTPUT MATCHES "consumer: ok")
  message(FATAL_ERROR "the consumer did not report ok:\n${STEP_OUTPUT}")
endif()

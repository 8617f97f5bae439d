# Builds TARGET in BUILD_DIR and passes only when the build fails because the compiler cannot
# find the header REFUSED: a layer that includes one above it. A build that fails for any other
# reason, or builds, fails the test.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
    message(FATAL_ERROR "${TARGET} built: the include of ${REFUSED} was not refused")
endif()
string(FIND "${output}" "${REFUSED}: No such file or directory" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${TARGET} failed, but not on the include of ${REFUSED}:\n${output}")
endif()
message(STATUS "the include of ${REFUSED} was refused, as it must be")

# Configures, builds and packages the Windows tree with the "windows" preset
# (mingw-w64), for the tests that read and run it. Run with cmake -P:
#   -DSOURCE_DIR=<repository> -DBINARY_DIR=<where the tree goes>
foreach(variable SOURCE_DIR BINARY_DIR)
    if(NOT ${variable})
        message(FATAL_ERROR "build_windows_tree.cmake: ${variable} is not set")
    endif()
endforeach()

function(run step)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${BINARY_DIR} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Windows tree: ${step} failed (${result})")
    endif()
endfunction()

file(MAKE_DIRECTORY ${BINARY_DIR})
run(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} --preset windows -B ${BINARY_DIR})
run(build ${CMAKE_COMMAND} --build ${BINARY_DIR} --parallel 2)
run(package ${CMAKE_CPACK_COMMAND} --config ${BINARY_DIR}/CPackConfig.cmake -B ${BINARY_DIR})

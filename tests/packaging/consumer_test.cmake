# Installs this build into a scratch prefix, then configures, builds and runs the consumer
# project (tests/packaging/consumer) against it and checks the pictures its widget and QML
# programs write (the QML one with QUICK=ON). With QML_TOOL, the qml tool also loads the QML
# example EXAMPLE from the prefix's QML folder QML_DIR.
#
# cmake -DBUILD_DIR=... -DCONSUMER_SOURCE_DIR=... -DWORK_DIR=... -DGENERATOR=...
#       -DCXX_COMPILER=... [-DCOMPILER_LAUNCHER=...] -DCHECKER=... -DCHECK_ARGS=...
#       [-DQUICK=ON [-DQML_TOOL=... -DQML_DIR=... -DEXAMPLE=...]] -P consumer_test.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable BUILD_DIR CONSUMER_SOURCE_DIR WORK_DIR GENERATOR CXX_COMPILER CHECKER)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "consumer_test.cmake: ${variable} is not set")
    endif()
endforeach()

set(prefix "${WORK_DIR}/prefix")
set(consumer_build "${WORK_DIR}/build")
set(picture "${WORK_DIR}/consumer.png")
# A fresh prefix each time, so that nothing left from an earlier install can stand in for a
# file the install rules forget.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

# Runs one step, echoing its command; stops the test with the step's output when it fails.
function(run_step name)
    execute_process(COMMAND ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output
        COMMAND_ECHO STDOUT)
    message("${output}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "consumer test: ${name} failed (${result})")
    endif()
    set(step_output "${output}" PARENT_SCOPE)
endfunction()

run_step("install" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

set(configure_args -S "${CONSUMER_SOURCE_DIR}" -B "${consumer_build}" -G "${GENERATOR}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_PREFIX_PATH=${prefix}"
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DTOLVANE_CONSUMER_QUICK=${QUICK}")
if(COMPILER_LAUNCHER)
    list(APPEND configure_args "-DCMAKE_CXX_COMPILER_LAUNCHER=${COMPILER_LAUNCHER}")
endif()
run_step("configure" "${CMAKE_COMMAND}" ${configure_args})
# The package must come from the scratch prefix, not from an install elsewhere on the machine.
if(NOT step_output MATCHES "TolvaneStylerButton [0-9.]+ from ${prefix}/")
    message(FATAL_ERROR "consumer test: TolvaneStylerButton was not found in ${prefix}")
endif()

run_step("build" "${CMAKE_COMMAND}" --build "${consumer_build}")
run_step("run" "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
         "${consumer_build}/stylerbutton_consumer" "${picture}")
run_step("picture check" "${CHECKER}" "${picture}" ${CHECK_ARGS})

if(NOT QUICK)
    return()
endif()
set(qml_picture "${WORK_DIR}/qml_consumer.png")
run_step("run the QML program" "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
         "${consumer_build}/stylerbutton_qml_consumer" "${qml_picture}")
run_step("QML picture check" "${CHECKER}" "${qml_picture}" ${CHECK_ARGS})

if(QML_TOOL)
    run_step("the qml tool loads the example" "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
             "QML_IMPORT_PATH=${prefix}/${QML_DIR}"
             "${QML_TOOL}" "${CONSUMER_SOURCE_DIR}/example_check.qml" -- "${EXAMPLE}")
    if(NOT step_output MATCHES "the example stands")
        message(FATAL_ERROR "consumer test: the qml tool did not load the example")
    endif()
endif()

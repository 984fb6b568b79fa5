# Installs the built package into a scratch prefix, then configures, builds and runs the
# consumer project against it, as a host application would.
file(REMOVE_RECURSE ${VIREO_WORK_DIR})
set(prefix ${VIREO_WORK_DIR}/prefix)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${VIREO_BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install into ${prefix} failed: ${rc}")
endif()

# A cross build hands its toolchain on, as a host building for the panel would.
set(toolchain_args "")
if(VIREO_TOOLCHAIN_FILE)
    set(toolchain_args -DCMAKE_TOOLCHAIN_FILE=${VIREO_TOOLCHAIN_FILE})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${VIREO_CONSUMER_SOURCE} -B ${VIREO_WORK_DIR}/build
        -G ${VIREO_GENERATOR} ${toolchain_args}
        -DCMAKE_PREFIX_PATH=${prefix}
        -DCMAKE_CXX_FLAGS=${VIREO_CONSUMER_FLAGS}
        -DCMAKE_EXE_LINKER_FLAGS=${VIREO_CONSUMER_FLAGS}
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "configuring the consumer failed: ${rc}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${VIREO_WORK_DIR}/build RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "building the consumer failed: ${rc}")
endif()

# VIREO_EMULATOR is a '|'-separated command line (qemu for a cross build), empty natively.
string(REPLACE "|" ";" emulator "${VIREO_EMULATOR}")
execute_process(COMMAND ${emulator} ${VIREO_WORK_DIR}/build/vireo_consumer
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "consumer said: ${out}${err}")
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the consumer failed: ${rc}")
endif()
if(NOT out MATCHES "consumer ok")
    message(FATAL_ERROR "the consumer did not report success")
endif()

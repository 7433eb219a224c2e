# cmake -DTOOL=<tavoro-makedb> -DDATABASE=<file> -P ShippedDatabase.cmake
if(EXISTS "${DATABASE}")
    return()
endif()
execute_process(COMMAND "${TOOL}" "${DATABASE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "tavoro-makedb could not make ${DATABASE}")
endif()

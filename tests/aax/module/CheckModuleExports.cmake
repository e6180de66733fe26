# Fails unless the module's dynamic symbol table defines exactly the seven entry points.
execute_process(COMMAND ${NM} -D --defined-only ${MODULE} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "nm could not read ${MODULE}")
endif()

string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
set(names)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.* " "" name "${line}")
    list(APPEND names ${name})
endforeach()
list(SORT names)

set(expected ACFCanUnloadNow ACFGetClassFactory ACFGetSDKVersion ACFRegisterComponent
             ACFRegisterPlugin ACFShutdown ACFStartup)
if(NOT names STREQUAL expected)
    message(FATAL_ERROR "module exports [${names}], expected [${expected}]")
endif()
message(STATUS "module exports exactly: ${names}")

# Fails unless lrelease finds every message of each .ts file finished.
# Usage: cmake -DLRELEASE=<lrelease> -DOUT=<dir> -P complete.cmake <file.ts>...
math(EXPR last "${CMAKE_ARGC} - 1")
file(MAKE_DIRECTORY ${OUT})
set(failed "")
foreach(i RANGE 1 ${last})
    if(NOT CMAKE_ARGV${i} MATCHES "\\.ts$")
        continue()
    endif()
    set(ts ${CMAKE_ARGV${i}})
    get_filename_component(name ${ts} NAME_WE)
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${OUT}/${name}.qm
        OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE code)
    message("${name}: ${said}")
    if(NOT code EQUAL 0 OR NOT said MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
       OR CMAKE_MATCH_1 EQUAL 0 OR said MATCHES "[Ii]gnored")
        list(APPEND failed ${name})
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "unfinished translations in: ${failed}")
endif()

# Runs lupdate over the sources into a copy of the catalogue and lists every
# entry it leaves unfinished, vanished or obsolete.
file(REMOVE ${COPY})
get_filename_component(folder ${COPY} DIRECTORY)
file(COPY ${TS} DESTINATION ${folder})
execute_process(
    COMMAND ${LUPDATE} -silent -I ${INCLUDE} -locations none ${FOLDERS} -ts ${COPY}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status})")
endif()

file(STRINGS ${COPY} lines ENCODING UTF-8)
set(source "")
set(bad "")
foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
        set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        string(APPEND bad "  ${CMAKE_MATCH_1}: ${source}\n")
    endif()
endforeach()
if(bad)
    message(FATAL_ERROR "${TS} is not up to date with the sources "
        "(build the target plandex_lupdate, then translate):\n${bad}")
endif()
message(STATUS "Every text of the sources is translated")

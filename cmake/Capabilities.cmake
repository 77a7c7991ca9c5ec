# One static library per folder of src. A folder's sources may include only
# its own headers and those of the folders it names under USES (and what
# those use in turn); anything else fails the build, so the arrows between
# folders run one way. A folder can use only folders made before it, so
# they cannot include one another in a circle.
function(plandex_library folder)
    cmake_parse_arguments(L "" "" "SOURCES;USES;QT" ${ARGN})
    set(target plandex_${folder})
    add_library(${target} STATIC ${L_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    foreach(used ${L_USES})
        target_link_libraries(${target} PUBLIC plandex_${used})
    endforeach()
    foreach(module ${L_QT})
        target_link_libraries(${target} PUBLIC Qt6::${module})
    endforeach()
    plandex_check_includes(${target} ${folder} ${L_USES})
endfunction()

# Fails the build of target when a file of the current folder includes a
# header of a folder of src that the given folders do not reach.
function(plandex_check_includes target folder)
    set(reachable ${folder})
    foreach(used ${ARGN})
        get_target_property(more plandex_${used} PLANDEX_REACHES)
        list(APPEND reachable ${more})
    endforeach()
    list(REMOVE_DUPLICATES reachable)
    set_target_properties(${target} PROPERTIES PLANDEX_REACHES "${reachable}")

    file(GLOB files CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} "-DFOLDER=${folder}" "-DREACHES=${reachable}"
            "-DFILES=${files}" -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
        DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
        VERBATIM)
    add_custom_target(${target}_includes DEPENDS ${stamp})
    add_dependencies(${target} ${target}_includes)
endfunction()

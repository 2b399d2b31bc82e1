# vtrk_layer(<target> [QT Core|Gui|Widgets] [USES <folders...>])
# Checks, as part of building <target>, that its own folder's sources and headers include nothing but Qt
# modules up to the given one and the project folders it USES. A core library that includes a
# widget header, or a lower layer that includes a higher one, fails the build here, also where the
# include path would have let the header through (e.g. <QtWidgets/QWidget> via Qt's include root).
function(vtrk_layer target)
    cmake_parse_arguments(ARG "" "QT" "USES" ${ARGN})
    if(NOT ARG_QT)
        set(ARG_QT Core)
    endif()
    get_target_property(dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    set(files)
    foreach(source ${sources})
        if(NOT IS_ABSOLUTE ${source})
            set(source ${dir}/${source})
        endif()
        if(source MATCHES "\\.(cpp|h)$")
            list(APPEND files ${source})
            string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
            if(EXISTS ${header})
                list(APPEND files ${header})
            endif()
        endif()
    endforeach()
    # Headers without a source of their own (declarations, interfaces, small value types) belong
    # to the layer of the folder they lie in.
    set(folders)
    foreach(file ${files})
        get_filename_component(folder ${file} DIRECTORY)
        list(APPEND folders ${folder})
    endforeach()
    list(REMOVE_DUPLICATES folders)
    foreach(folder ${folders})
        file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
        list(APPEND files ${headers})
    endforeach()
    list(REMOVE_DUPLICATES files)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.layer)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} "-DFILES=${files}" "-DROOT=${PROJECT_SOURCE_DIR}" "-DUSES=${ARG_USES}"
                "-DQT=${ARG_QT}" "-DSTAMP=${stamp}" -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
        DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
        COMMENT "Checking the includes of ${target}"
        VERBATIM)
    add_custom_target(${target}_layer DEPENDS ${stamp})
    add_dependencies(${target} ${target}_layer)
endfunction()

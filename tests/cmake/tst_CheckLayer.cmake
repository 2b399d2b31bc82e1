# Each row plants one source file in a tree of its own and runs the layer check on it as vtrk_layer
# would: <name>|<file below the root>|<QT>|<USES>|<line of the file>|<expected: pass, or a text the
# failure names>. The planted lines are only scanned, never compiled, so they need no ';'.
cmake_policy(VERSION 3.25)
set(rows
    "global boxes in a core library|sync/TPlanted.cpp|Core|seams|    MessageBoxes().warning(text)|MessageBoxes().warning(text)"
    "installed instance in a core library|controller/TPlanted.cpp|Core|seams|    TMessageBoxes::instance().error(text)|TMessageBoxes::instance().error(text)"
    "the forwarder in a core library|keylist/TPlanted.cpp|Core|seams|#include \"seams/TInstalledMessageBoxes.h\"|TInstalledMessageBoxes.h"
    "boxes passed in|sync/TPlanted.cpp|Core|seams|    boxes.warning(text)|pass"
    "a recorder's constructor|report/TPlanted.cpp|Gui|seams|TTestMessageBoxes::TTestMessageBoxes() = default|pass"
    "global boxes in a ui library|sync/ui/TPlanted.cpp|Widgets|seams|    MessageBoxes().warning(text)|pass"
    "global boxes in vtrk|cli/TPlanted.cpp|Core|seams|    MessageBoxes().warning(text)|pass"
    "the seam itself|seams/TMessageBoxes.cpp|Core||    MessageBoxes().error(text)|pass"
    "the windows' error report|seams/ui/TErrorReport.cpp|Widgets|seams|    MessageBoxes().error(text)|pass"
    "another core seam|seams/TPlanted.cpp|Core||    MessageBoxes().error(text)|MessageBoxes().error(text)"
    "a wrong-way include still fails|serial/TPlanted.cpp|Core|seams|#include \"controller/TKeyTransfer.h\"|serial may not use controller")
set(failed 0)
set(index 0)
foreach(row ${rows})
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 relative)
    list(GET fields 2 qt)
    list(GET fields 3 uses)
    list(GET fields 4 line)
    list(GET fields 5 expected)
    math(EXPR index "${index} + 1")
    set(root ${WORK}/${index})
    file(REMOVE_RECURSE ${root})
    file(WRITE ${root}/${relative} "${line}\n")
    execute_process(
        COMMAND ${CMAKE_COMMAND} -DFILES=${root}/${relative} -DROOT=${root} -DUSES=${uses} -DQT=${qt}
                -DSTAMP=${root}/stamp -P ${CHECK}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(expected STREQUAL "pass")
        set(ok FALSE)
        if(result EQUAL 0 AND EXISTS ${root}/stamp)
            set(ok TRUE)
        endif()
    else()
        string(FIND "${out}" "${expected}" at)
        set(ok FALSE)
        if(NOT result EQUAL 0 AND NOT at EQUAL -1 AND NOT EXISTS ${root}/stamp)
            set(ok TRUE)
        endif()
    endif()
    if(ok)
        message(STATUS "PASS ${name}")
    else()
        message(STATUS "FAIL ${name}: exit ${result}, expected ${expected}\n${out}")
        math(EXPR failed "${failed} + 1")
    endif()
endforeach()
if(failed GREATER 0)
    message(FATAL_ERROR "${failed} of ${index} rows failed")
endif()

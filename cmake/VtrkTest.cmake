# vtrk_add_test(<name> SOURCES <files...> LIBS <targets...>)
# A QtTest executable registered with CTest; it runs headless on the offscreen platform, with data
# and settings folders of its own, so that no test adds snapshots or settings to the user's, and in
# English whatever the desktop's language (a test of another language installs it itself).
function(vtrk_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test vtrk_test_exit ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE=;LC_ALL=C.UTF-8;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/data;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/config;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 300)
endfunction()

# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later

# korvane_add_test(<name> SOURCES ... LIBRARIES ... [TIMEOUT seconds] [ENVIRONMENT ...])
# One Qt Test executable, registered with CTest, run on the offscreen platform.
function(korvane_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE korvane_options Qt6::Test ${T_LIBRARIES})
    target_compile_definitions(${name} PRIVATE
        KORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        KORVANE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENVIRONMENT}")
endfunction()

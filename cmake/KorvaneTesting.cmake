# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later

# korvane_add_test(<name> SOURCES ... LIBRARIES ... [TIMEOUT seconds] [ENVIRONMENT ...] [XVFB]
#                  [SECRET_SERVICE keyring|locked|no-bus ...])
# One Qt Test executable, registered with CTest, run on the offscreen platform;
# with XVFB, on the xcb platform against an X server of its own (xvfb-run), for
# what only a real window system does: activation and focus. With
# SECRET_SERVICE, run once per mode against a secret store of its own
# (tests/with_secret_service.sh): <name> for the first mode, <name>_<mode>
# for the others.
function(korvane_add_test name)
    cmake_parse_arguments(T "XVFB" "TIMEOUT" "SOURCES;LIBRARIES;ENVIRONMENT;SECRET_SERVICE" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE korvane_options Qt6::Test ${T_LIBRARIES})
    target_compile_definitions(${name} PRIVATE
        KORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        KORVANE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    if(T_SECRET_SERVICE)
        set(first TRUE)
        foreach(mode IN LISTS T_SECRET_SERVICE)
            set(test_name ${name}_${mode})
            if(first)
                set(test_name ${name})
                set(first FALSE)
            endif()
            string(REPLACE "-" "" test_name "${test_name}")
            add_test(NAME ${test_name}
                COMMAND bash ${PROJECT_SOURCE_DIR}/tests/with_secret_service.sh --${mode} $<TARGET_FILE:${name}>)
            set_tests_properties(${test_name} PROPERTIES
                TIMEOUT ${T_TIMEOUT}
                ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENVIRONMENT}")
        endforeach()
        return()
    endif()
    if(T_XVFB)
        find_program(KORVANE_XVFB_RUN xvfb-run REQUIRED)
        add_test(NAME ${name}
            COMMAND ${KORVANE_XVFB_RUN} -a -s "-screen 0 1280x1024x24 -nolisten tcp" $<TARGET_FILE:${name}>)
        set(platform xcb)
    else()
        add_test(NAME ${name} COMMAND ${name})
        set(platform offscreen)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=${platform};${T_ENVIRONMENT}")
endfunction()

# SPDX-License-Identifier: GPL-3.0-or-later
# ravo_warnings(target): the project's warnings on one of its own targets; errors with
# RAVO_WERROR. Shared by the main build and the fuzzer's.
option(RAVO_WERROR "Treat compiler warnings as errors" OFF)

function(ravo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wnon-virtual-dtor
                                             -Woverloaded-virtual)
    if(RAVO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

option(MORVANE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(morvane_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(MORVANE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Every target of ours compiles with -Wall -Wextra. The project's scripts and CI turn the
# warnings into errors with XGORVO_WERROR; a user's or packager's plain build does not, so
# that a newer or older compiler's new warnings cannot stop it.
option(XGORVO_WERROR "Treat compiler warnings as errors" OFF)

function(xgorvo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(XGORVO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

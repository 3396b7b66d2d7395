# Every target of ours compiles with -Wall -Wextra. The project's scripts and CI turn the
# warnings into errors with XGORVO_WERROR; a user's or packager's plain build does not, so
# that a newer or older compiler's new warnings cannot stop it.
option(XGORVO_WERROR "Treat compiler warnings as errors" OFF)

function(xgorvo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(XGORVO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
        # At -O3, g++ 12 reports overlapping or overflowing copies deep inside inlined
        # std::string and std::vector code that cannot happen (-Wrestrict on operator+,
        # -Wstringop-overflow on vector::insert). They stay visible as warnings there;
        # every other warning remains an error.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE
                "$<$<CONFIG:Release>:-Wno-error=restrict;-Wno-error=stringop-overflow>")
        endif()
    endif()
endfunction()

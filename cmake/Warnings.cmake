# Every target of ours compiles with warnings as errors.
function(xgorvo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

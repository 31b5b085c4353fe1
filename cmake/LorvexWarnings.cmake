# Warnings for the project's own targets. A result code that is dropped is an
# error, not a warning: every code must be looked at.
function(lorvex_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Werror=unused-result)
endfunction()

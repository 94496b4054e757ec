# Warnings are errors in our own code; third-party headers (Qt) come in as system includes.
function(marqueon_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Warnings for our own targets only; third-party headers come in as system includes.
function(trackwell_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-unused-parameter)
endfunction()

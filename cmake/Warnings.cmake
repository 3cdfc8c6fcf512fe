# Warnings on for our own code; third-party code keeps its own settings.
function(kelvra_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-cast-function-type>)
endfunction()

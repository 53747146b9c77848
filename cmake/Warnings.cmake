# Warnings are errors everywhere in this project.
function(stats_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# The host may unload and load the plug-in again: no symbol may pin it in memory.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT WIN32)
  add_compile_options(-fno-gnu-unique)
endif()

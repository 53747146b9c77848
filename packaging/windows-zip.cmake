# Packs the two Windows DLLs for release: x86/Stats.dll, x64/Stats.dll, the README and the
# install note, in one ZIP named after the project's version.
# Usage: cmake -DX86_DLL=... -DX64_DLL=... -DOUTPUT_DIR=... -P packaging/windows-zip.cmake
cmake_minimum_required(VERSION 3.20)
get_filename_component(source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
foreach(variable X86_DLL X64_DLL OUTPUT_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()
foreach(dll ${X86_DLL} ${X64_DLL})
  if(NOT EXISTS ${dll})
    message(FATAL_ERROR "${dll} is missing: build the windows-x86 and windows-x64 presets first")
  endif()
endforeach()

file(READ ${source_dir}/CMakeLists.txt top)
string(REGEX MATCH "project\\([^)]*VERSION ([0-9.]+)" ignored "${top}")
set(name UbaSpringStats-${CMAKE_MATCH_1}-windows)

set(stage ${OUTPUT_DIR}/${name})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/x86 ${stage}/x64)
file(COPY_FILE ${X86_DLL} ${stage}/x86/Stats.dll)
file(COPY_FILE ${X64_DLL} ${stage}/x64/Stats.dll)
file(COPY_FILE ${source_dir}/README.md ${stage}/README.md)
file(COPY_FILE ${source_dir}/packaging/INSTALL-Windows.txt ${stage}/INSTALL.txt)

set(zip ${OUTPUT_DIR}/${name}.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip
                        x86/Stats.dll x64/Stats.dll README.md INSTALL.txt
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Packed ${zip}")

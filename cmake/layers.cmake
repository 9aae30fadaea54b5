# SPDX-License-Identifier: GPL-3.0-or-later
# The core's layers may only use the layers beneath them. Static libraries
# would not notice a call upwards until some program linked both, so each
# layer is also linked whole into a shared library that must resolve every
# symbol against its own dependencies alone: an include against the
# direction then fails the build right here.
#
# The sanitizer and fuzzer builds leave the check out: their runtimes are
# linked into executables only, so a shared library cannot resolve them.
function(kw_check_layer layer)
  set_target_properties(${layer} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  if(KW_SANITIZE OR KW_FUZZ)
    return()
  endif()
  add_library(${layer}_layercheck SHARED ${CMAKE_SOURCE_DIR}/cmake/layercheck.cpp)
  target_link_libraries(${layer}_layercheck PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
  target_link_options(${layer}_layercheck PRIVATE -Wl,--no-undefined)
  set_target_properties(${layer}_layercheck PROPERTIES LIBRARY_OUTPUT_DIRECTORY
                        ${CMAKE_BINARY_DIR}/layercheck)
endfunction()

# Copies the DLLs the program and its plugins load, read from their PE import
# tables, into the program folder. Run by the install rules of
# cmake/WindowsPackaging.cmake with EXECUTABLE, MODULES, DLL_DIR (the
# dependency prefix's bin/), IMPLIB_DIR (the cross compiler's import
# libraries), OBJDUMP, SCRATCH (a build folder) and DEST set.
#
# Import tables name DLLs in any case and CMake looks them up lowercased, so
# it searches a folder of lowercase links to DLL_DIR. A DLL is Windows' own
# when the cross compiler has an import library for it (libkernel32.a, ...)
# or it is an API set; every other DLL must be found, or the install fails
# naming it.
set(links "${SCRATCH}/dll-links")
file(REMOVE_RECURSE "${links}")
file(MAKE_DIRECTORY "${links}")
file(GLOB dlls "${DLL_DIR}/*.dll")
foreach(dll IN LISTS dlls)
  get_filename_component(name "${dll}" NAME)
  string(TOLOWER "${name}" lower)
  file(CREATE_LINK "${dll}" "${links}/${lower}" SYMBOLIC)
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES "${EXECUTABLE}"
  MODULES ${MODULES}
  DIRECTORIES "${links}"
  PRE_EXCLUDE_REGEXES "^api-ms-win-" "^ext-ms-"
  RESOLVED_DEPENDENCIES_VAR found
  UNRESOLVED_DEPENDENCIES_VAR unresolved)
foreach(dll IN LISTS unresolved)
  string(REGEX REPLACE "\\.dll$" "" stem "${dll}")
  if(NOT EXISTS "${IMPLIB_DIR}/lib${stem}.a")
    message(FATAL_ERROR "${dll} is needed but is neither in ${DLL_DIR} nor a Windows DLL")
  endif()
endforeach()
set(files "")
foreach(link IN LISTS found)
  file(REAL_PATH "${link}" dll)
  list(APPEND files "${dll}")
endforeach()
list(SORT files)
file(INSTALL DESTINATION "${DEST}" TYPE SHARED_LIBRARY FILES ${files})

# The Windows program folder, the portable zip and the installer:
#   cmake --build build-win64 --target windows_zip        ->  rc-lumidor-<version>-win64.zip
#   cmake --build build-win64 --target windows_installer  ->  rc-lumidor-<version>-win64-setup.exe
# The folder holds the executable, the DLLs its import tables name (found in
# the dependency prefix's bin/; DLLs Windows brings are left out), the two Qt
# plugins it loads and the README. No image-format plugin: the model pictures
# are decoded with libjpeg directly and the PNGs are read by Qt Gui itself.
# The converter simulator is never deployed: an ftd2xx.dll beside the program
# would be loaded in place of the vendor's driver.
set(LUMIDOR_WIN_DIR ${PROJECT_SOURCE_DIR}/packaging/windows)
set(LUMIDOR_WIN_NAME rc-lumidor-${PROJECT_VERSION}-win64)
set(LUMIDOR_WIN_OUT ${CMAKE_BINARY_DIR}/windows)
set(LUMIDOR_WIN_STAGE ${LUMIDOR_WIN_OUT}/${LUMIDOR_WIN_NAME})

# Icon, version information and manifest; src/CMakeLists.txt adds the .rc
# from this path to the executable.
set(LUMIDOR_WIN_ICON ${LUMIDOR_WIN_DIR}/rc-lumidor.ico)
set(LUMIDOR_WIN_MANIFEST ${PROJECT_BINARY_DIR}/rc-lumidor.manifest)
configure_file(${LUMIDOR_WIN_DIR}/rc-lumidor.manifest.in ${LUMIDOR_WIN_MANIFEST} @ONLY)
configure_file(${LUMIDOR_WIN_DIR}/rc-lumidor.rc.in ${PROJECT_BINARY_DIR}/rc-lumidor.rc @ONLY)
set_source_files_properties(${PROJECT_BINARY_DIR}/rc-lumidor.rc
  TARGET_DIRECTORY rc_lumidor_konfigurator
  PROPERTIES OBJECT_DEPENDS "${LUMIDOR_WIN_ICON};${LUMIDOR_WIN_MANIFEST}")

# Windows users open text files in Notepad.
configure_file(${LUMIDOR_WIN_DIR}/README.txt.in ${LUMIDOR_WIN_OUT}/README.txt @ONLY
  NEWLINE_STYLE CRLF)

# Everything that follows installs the "windows" component only, so install
# rules other parts of the build may add never reach the package.
install(TARGETS rc_lumidor_konfigurator RUNTIME DESTINATION . COMPONENT windows)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms
  COMPONENT windows)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles
  COMPONENT windows)
install(FILES ${LUMIDOR_WIN_OUT}/README.txt DESTINATION . COMPONENT windows)

# The DLLs, resolved at install time from the files just built.
find_library(LUMIDOR_WIN_KERNEL32 kernel32 REQUIRED)
get_filename_component(LUMIDOR_WIN_IMPLIB_DIR ${LUMIDOR_WIN_KERNEL32} DIRECTORY)
install(CODE "
  set(EXECUTABLE \"$<TARGET_FILE:rc_lumidor_konfigurator>\")
  set(MODULES \"$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>\"
              \"$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>\")
  set(DLL_DIR \"$<TARGET_FILE_DIR:Qt6::Core>\")
  set(IMPLIB_DIR \"${LUMIDOR_WIN_IMPLIB_DIR}\")
  set(OBJDUMP \"${CMAKE_OBJDUMP}\")
  set(SCRATCH \"${LUMIDOR_WIN_OUT}\")
  set(DEST \"\${CMAKE_INSTALL_PREFIX}\")
  include(\"${LUMIDOR_WIN_DIR}/deploy-dlls.cmake\")
" COMPONENT windows)

# The program folder, made afresh so nothing from an earlier build lingers.
add_custom_target(windows_deploy
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${LUMIDOR_WIN_STAGE}
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --component windows --strip
          --prefix ${LUMIDOR_WIN_STAGE}
  COMMENT "Deploying the program into ${LUMIDOR_WIN_STAGE}"
  VERBATIM)
add_dependencies(windows_deploy rc_lumidor_konfigurator)

# Portable: the folder as it is; settings then live beside the program.
set(LUMIDOR_WIN_ZIP ${CMAKE_BINARY_DIR}/${LUMIDOR_WIN_NAME}.zip)
add_custom_target(windows_zip
  COMMAND ${CMAKE_COMMAND} -E rm -f ${LUMIDOR_WIN_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${LUMIDOR_WIN_ZIP} --format=zip ${LUMIDOR_WIN_NAME}
  WORKING_DIRECTORY ${LUMIDOR_WIN_OUT}
  COMMENT "Packing ${LUMIDOR_WIN_ZIP}"
  VERBATIM)
add_dependencies(windows_zip windows_deploy)

find_program(LUMIDOR_MAKENSIS makensis)
set(LUMIDOR_WIN_SETUP ${CMAKE_BINARY_DIR}/${LUMIDOR_WIN_NAME}-setup.exe)
set(LUMIDOR_WIN_FILES ${LUMIDOR_WIN_OUT}/files.nsh)
if(LUMIDOR_MAKENSIS)
  add_custom_target(windows_installer
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${LUMIDOR_WIN_STAGE} -DOUT=${LUMIDOR_WIN_FILES}
            -P ${LUMIDOR_WIN_DIR}/nsis-files.cmake
    COMMAND ${LUMIDOR_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
            -DFILES=${LUMIDOR_WIN_FILES} -DOUTFILE=${LUMIDOR_WIN_SETUP}
            ${LUMIDOR_WIN_DIR}/rc-lumidor.nsi
    WORKING_DIRECTORY ${LUMIDOR_WIN_DIR}
    COMMENT "Building ${LUMIDOR_WIN_SETUP}"
    VERBATIM)
  add_dependencies(windows_installer windows_deploy)
else()
  add_custom_target(windows_installer
    COMMAND ${CMAKE_COMMAND} -E echo "windows_installer: makensis is missing (Debian package nsis)"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()

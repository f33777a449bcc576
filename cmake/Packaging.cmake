# Installation and the Debian package:
#   cmake --build build --target package   ->  build/rc-lumidor_<version>_<arch>.deb
# The simulator goes to a private folder, reached only through its launcher,
# so it can never stand in for the vendor's real library by accident.
include(GNUInstallDirs)

set(LUMIDOR_PKG_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(LUMIDOR_PRIVATE_DIR lib/rc-lumidor)

install(TARGETS rc_lumidor_konfigurator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS lumidor_simulator LIBRARY DESTINATION ${LUMIDOR_PRIVATE_DIR}/simulator)
install(PROGRAMS ${LUMIDOR_PKG_DIR}/rc-lumidor-simulator DESTINATION ${CMAKE_INSTALL_BINDIR})
# The main entry's name is the program's AppStream id.
set(LUMIDOR_APP_ID example.rc_lumidor.configurator)
install(FILES ${LUMIDOR_PKG_DIR}/${LUMIDOR_APP_ID}.desktop
        ${LUMIDOR_PKG_DIR}/rc-lumidor-simulator.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Preset files as a file type; the desktop entry declares it.
install(FILES ${LUMIDOR_PKG_DIR}/rc-lumidor-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME rc-lumidor.xml)
install(FILES ${LUMIDOR_PKG_DIR}/icons/rc-lumidor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${LUMIDOR_PKG_DIR}/icons/rc-lumidor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME rc-lumidor.png)
endforeach()
# udev reads /lib/udev/rules.d on this Debian release.
install(FILES ${LUMIDOR_PKG_DIR}/70-rc-lumidor.rules DESTINATION /lib/udev/rules.d)

# The date of the changelog entry for this version, as YYYY-MM-DD: the
# AppStream release is the package's own, so a version without an entry fails here.
function(lumidor_release_date out)
  file(STRINGS ${LUMIDOR_PKG_DIR}/changelog lines REGEX "^(rc-lumidor \\(| -- )")
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(current OFF)
  foreach(line IN LISTS lines)
    if(line MATCHES "^rc-lumidor \\(([^)]*)\\)")
      string(COMPARE EQUAL "${CMAKE_MATCH_1}" "${PROJECT_VERSION}" current)
    elseif(current AND line MATCHES ", +([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      set(day ${CMAKE_MATCH_1})
      set(year ${CMAKE_MATCH_3})
      list(FIND months ${CMAKE_MATCH_2} month)
      math(EXPR month "${month} + 1")
      foreach(part day month)
        string(LENGTH "${${part}}" length)
        if(length EQUAL 1)
          set(${part} "0${${part}}")
        endif()
      endforeach()
      set(${out} "${year}-${month}-${day}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "packaging/changelog has no dated entry for version ${PROJECT_VERSION}")
endfunction()

# What software centres show: the AppStream metadata.
set(LUMIDOR_HOMEPAGE "https://www.rc-lumidor.example/")
lumidor_release_date(LUMIDOR_RELEASE_DATE)
set(LUMIDOR_METAINFO ${CMAKE_CURRENT_BINARY_DIR}/${LUMIDOR_APP_ID}.metainfo.xml)
configure_file(${LUMIDOR_PKG_DIR}/${LUMIDOR_APP_ID}.metainfo.xml.in ${LUMIDOR_METAINFO} @ONLY)
install(FILES ${LUMIDOR_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# What a Debian package carries beside the program: copyright and changelog.
set(LUMIDOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/rc-lumidor)
install(FILES ${LUMIDOR_PKG_DIR}/copyright DESTINATION ${LUMIDOR_DOC_DIR})
set(LUMIDOR_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${LUMIDOR_CHANGELOG}
  COMMAND gzip -9n -c ${LUMIDOR_PKG_DIR}/changelog > ${LUMIDOR_CHANGELOG}
  DEPENDS ${LUMIDOR_PKG_DIR}/changelog)
add_custom_target(lumidor_changelog ALL DEPENDS ${LUMIDOR_CHANGELOG})
install(FILES ${LUMIDOR_CHANGELOG} DESTINATION ${LUMIDOR_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rc-lumidor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for the RC Lumidor light switch")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Draws the preset light pattern of the RC Lumidor HW v4.0 light switch for\n\
radio-controlled models (8 outputs by 20 time columns, live LED preview,\n\
built-in effects), sets the switch's configuration and writes both to the\n\
switch through the RC_LINKUP USB converter. Czech and English interface.\n\
.\n\
The converter is driven by its chip vendor's D2XX library, which is not part\n\
of this package. A converter simulator is included for trying the program\n\
without hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "RC Lumidor developers <lumidor@rc-lumidor.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMIDOR_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The private simulator folder is not a library directory dpkg-shlibdeps knows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/simulator)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

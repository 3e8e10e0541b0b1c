# Installation into GNU directories and the Debian package; on Windows the portable folder, its
# zip and the installer (cmake/OrvisnapInstallWindows.cmake). GNUInstallDirs, ORVISNAP_APP_ID
# and the generated install layout come from the top CMakeLists.txt.
# A further program or manual page joins with one line each.

set(CPACK_PACKAGE_NAME orvisnap)
set(CPACK_PACKAGE_VENDOR "The Orvisnap developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Fetch the screen of a digital storage oscilloscope over a serial port")
set(CPACK_PACKAGE_DESCRIPTION
  "Orvisnap asks a digital storage oscilloscope (DSO) for a capture of its screen over a serial
port, receives it with XModem-CRC and shows it. It saves the picture as BMP or PNG and logs the
exchange. orvisnap-capture does the same from the command line, for scripts and series.")
set(CPACK_PACKAGE_CONTACT "The Orvisnap developers")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/OrvisnapInstallWindows.cmake)
  include(CPack)
  return()
endif()

set(ORVISNAP_LINUX_DIR ${CMAKE_SOURCE_DIR}/resources/linux)

install(TARGETS orvisnap RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
install(TARGETS orvisnap-capture RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/src/capture/orvisnap-capture.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(UNIX AND NOT APPLE)
  install(FILES ${ORVISNAP_LINUX_DIR}/${ORVISNAP_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ORVISNAP_LINUX_DIR}/${ORVISNAP_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${ORVISNAP_LINUX_DIR}/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvisnap)

# cpack -G DEB in the build folder, or the `package` target.
if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations of its standard dialogs and buttons, in the user's language; a face with
# Chinese and Japanese characters for the windows and the waiting picture in those languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)

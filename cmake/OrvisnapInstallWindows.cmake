# The Windows program as one folder: both executables at its top with the DLLs they load,
# platforms/ and styles/ as Qt looks for them, README and licence. `cpack -G ZIP` packs it as
# the portable zip, `cpack -G NSIS` as the installer.

install(TARGETS orvisnap orvisnap-capture RUNTIME DESTINATION .)
install(FILES ${ORVISNAP_QT_DLLS} ${ORVISNAP_MINGW_DLLS} DESTINATION .)
install(FILES ${ORVISNAP_QT_PLATFORM} DESTINATION platforms)
install(FILES ${ORVISNAP_QT_STYLE} DESTINATION styles)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE
  ${CMAKE_SOURCE_DIR}/src/capture/orvisnap-capture.1 DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "Orvisnap-${PROJECT_VERSION}-win64")
# The installer is the zip's name with "-setup".
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/OrvisnapCPackWindows.cmake)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)

set(CPACK_PACKAGE_INSTALL_DIRECTORY Orvisnap)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Orvisnap)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for a 64-bit program: registry and folders without the 32-bit redirection,
# and no 32-bit Wine needed to test it here.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME Orvisnap)
set(CPACK_NSIS_DISPLAY_NAME Orvisnap)
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/resources/windows/orvisnap.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/resources/windows/orvisnap.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME orvisnap.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES orvisnap Orvisnap)
set(CPACK_NSIS_MODIFY_PATH OFF)
# An upgrade takes the old version away first (silently too); the settings stay.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
# Without it the installer would show CMake's placeholder licence text.
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)

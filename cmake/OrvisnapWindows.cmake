# The Windows program: its resources, and the DLLs and plugins it needs beside it, what
# windeployqt would copy. Included from the top CMakeLists.txt on Windows only.

# Version record, icon and manifest, the same for the window and the command-line tool.
configure_file(${CMAKE_SOURCE_DIR}/resources/orvisnap.manifest.in
  ${CMAKE_BINARY_DIR}/generated/orvisnap.manifest @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/orvisnap.rc.in
  ${CMAKE_BINARY_DIR}/generated/orvisnap.rc @ONLY)
function(orvisnap_windows_resources target)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated/orvisnap.rc)
endfunction()

# Qt's libraries and plugins the programs load, and the compiler's own runtime.
set(ORVISNAP_QT_DLLS $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
set(ORVISNAP_QT_PLATFORM $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
set(ORVISNAP_QT_STYLE $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
# Debian ships them with their debugging data (libstdc++ alone is 23 MB): stripped copies go out.
set(ORVISNAP_MINGW_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${dll}")
  endif()
  get_filename_component(path "${path}" REALPATH)
  set(stripped ${CMAKE_BINARY_DIR}/mingw-runtime/${dll})
  add_custom_command(OUTPUT ${stripped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/mingw-runtime
    COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped} ${path}
    DEPENDS ${path} VERBATIM)
  list(APPEND ORVISNAP_MINGW_DLLS ${stripped})
endforeach()

# The build's bin folder runs like an installed one; the tests also need QtTest and the
# offscreen and minimal platforms.
set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
add_custom_target(orvisnap_windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ORVISNAP_QT_DLLS} $<TARGET_FILE:Qt6::Test>
    ${ORVISNAP_MINGW_DLLS} ${bin}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ORVISNAP_QT_PLATFORM}
    $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> $<TARGET_FILE:Qt6::QMinimalIntegrationPlugin>
    ${bin}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ORVISNAP_QT_STYLE} ${bin}/styles
  DEPENDS ${ORVISNAP_MINGW_DLLS}
  COMMENT "Qt and MinGW runtime beside the executables"
  VERBATIM)

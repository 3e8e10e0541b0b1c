cmake_minimum_required(VERSION 3.25)
# The build's check that the core's folders depend downward only: a loop among them is found
# and named, the folders as they are declared have none. Run with cmake -P.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/OrvisnapCoreFolders.cmake)

function(expect_loop nodes expected)
  orvisnap_find_loop("${nodes}" DEPENDS_ found)
  if(NOT found STREQUAL expected)
    message(FATAL_ERROR "${nodes}: found \"${found}\", expected \"${expected}\"")
  endif()
endfunction()

# The folders as src/core declares them.
set(DEPENDS_protocol "")
set(DEPENDS_files "")
set(DEPENDS_picture files)
set(DEPENDS_captures picture files)
set(DEPENDS_serial "")
set(DEPENDS_download protocol serial picture)
set(DEPENDS_settings files download)
set(DEPENDS_process "")
expect_loop("protocol;files;picture;captures;serial;download;settings;process" "")

# The loop that once was: download, serial and settings.
set(DEPENDS_serial settings)
expect_loop("protocol;files;picture;serial;download;settings;process"
  "serial -> settings -> download -> serial")
set(DEPENDS_serial "")

# Files and settings in each other's way, and a folder that names itself.
set(DEPENDS_files settings)
expect_loop("files;settings;download;protocol;serial;picture" "files -> settings -> files")
set(DEPENDS_files files)
expect_loop("files" "files -> files")

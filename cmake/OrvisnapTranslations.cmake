# The program's translations: translations/orvisnap_<language>.ts, compiled by Qt's lrelease
# into bin/translations beside the programs, where the window looks for them first, and
# installed with the program. lrelease is the build machine's, also for a Windows build. On
# Windows Qt's own translations of its standard dialogs and buttons go with them; on Linux the
# system's Qt brings those (Debian: qt6-translations-l10n).
set(ORVISNAP_LANGUAGES de es fr it ja pl pt_BR ru zh_CN)
find_program(ORVISNAP_LRELEASE NAMES lrelease lrelease-qt6 HINTS /usr/lib/qt6/bin
  NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(ORVISNAP_TRANSLATIONS_DIR ${CMAKE_BINARY_DIR}/bin/translations)

set(orvisnap_qm_files)
foreach(language ${ORVISNAP_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/orvisnap_${language}.ts)
  set(qm ${ORVISNAP_TRANSLATIONS_DIR}/orvisnap_${language}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVISNAP_TRANSLATIONS_DIR}
    COMMAND ${ORVISNAP_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND orvisnap_qm_files ${qm})
  if(WIN32)
    find_file(ORVISNAP_QTBASE_${language} qtbase_${language}.qm
      HINTS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    set(copied ${ORVISNAP_TRANSLATIONS_DIR}/qtbase_${language}.qm)
    add_custom_command(OUTPUT ${copied}
      COMMAND ${CMAKE_COMMAND} -E copy ${ORVISNAP_QTBASE_${language}} ${copied}
      DEPENDS ${ORVISNAP_QTBASE_${language}} VERBATIM)
    list(APPEND orvisnap_qm_files ${copied})
  endif()
endforeach()
add_custom_target(orvisnap_translations ALL DEPENDS ${orvisnap_qm_files})
# Part of the program: a build of the window alone (scripts/run.sh, the soak, which installs
# it) speaks the user's language and installs whole.
add_dependencies(orvisnap orvisnap_translations)

if(WIN32)
  install(FILES ${orvisnap_qm_files} DESTINATION translations)
else()
  install(FILES ${orvisnap_qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/orvisnap/translations)
endif()

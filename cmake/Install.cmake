# Install rules: the programs, their manual pages and the desktop data. The package script
# stages a build through them, so every file the package holds is named here.
include(GNUInstallDirs)

set(TAVIRON_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS taviron-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET taviron-switchsim)
  install(TARGETS taviron-switchsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The build copies the command-line tool's page beside the tool; taking it from there keeps
# this file free of the tool's source folder.
install(FILES $<TARGET_FILE_DIR:taviron-cli>/taviron-cli.1
              ${TAVIRON_PACKAGING_DIR}/man/taviron-switchsim.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET taviron)
  install(TARGETS taviron RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TAVIRON_PACKAGING_DIR}/man/taviron.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${TAVIRON_PACKAGING_DIR}/taviron.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TAVIRON_PACKAGING_DIR}/taviron.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${TAVIRON_PACKAGING_DIR}/org.example.taviron.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

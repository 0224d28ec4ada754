# Install rules: the programs, their manual pages and the desktop data. The package script
# stages a build through them, so every file the package holds is named here.
include(GNUInstallDirs)

set(TAVIRON_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS taviron-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Completion of the tool's commands, options and ports, where bash-completion looks for it.
install(FILES ${TAVIRON_PACKAGING_DIR}/taviron-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME taviron-cli)
if(TARGET taviron-switchsim)
  install(TARGETS taviron-switchsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The build writes the manual pages, with its version, beside the programs.
install(FILES $<TARGET_FILE_DIR:taviron-cli>/taviron-cli.1
              $<TARGET_FILE_DIR:taviron-cli>/taviron-switchsim.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET taviron)
  install(TARGETS taviron RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES $<TARGET_FILE_DIR:taviron>/taviron.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${TAVIRON_PACKAGING_DIR}/taviron.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TAVIRON_PACKAGING_DIR}/taviron.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_BINARY_DIR}/generated/org.example.taviron.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

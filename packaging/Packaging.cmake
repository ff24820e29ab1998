# Installation under a prefix, with what a desktop needs to list, show and
# document the programs, and the Debian package made of it by CPack.
include(GNUInstallDirs)

set(MirvaneData ${PROJECT_SOURCE_DIR}/data)
set(MirvaneId org.tellwen.Mirvane)

install(TARGETS mirvane mirvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# mirvane-cli hands the commands it does not carry to this one.
install(TARGETS mirvane-cli-all RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/mirvane)
# The place list, read from share/mirvane beside the bin folder.
install(FILES ${MirvaneData}/places.tsv DESTINATION ${CMAKE_INSTALL_DATADIR}/mirvane)
install(FILES ${MirvaneData}/${MirvaneId}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MirvaneData}/${MirvaneId}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MirvaneData}/${MirvaneId}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
get_target_property(MirvaneIconTheme mirvane_app_icon MIRVANE_ICON_THEME_DIR)
install(DIRECTORY ${MirvaneIconTheme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual page carries the version and is installed compressed.
find_program(GZIP gzip REQUIRED)
configure_file(${MirvaneData}/mirvane-cli.1.in ${PROJECT_BINARY_DIR}/man/mirvane-cli.1 @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/mirvane-cli.1.gz
    COMMAND ${GZIP} --best --no-name --force --keep ${PROJECT_BINARY_DIR}/man/mirvane-cli.1
    DEPENDS ${PROJECT_BINARY_DIR}/man/mirvane-cli.1
    VERBATIM)
add_custom_target(mirvane_man ALL DEPENDS ${PROJECT_BINARY_DIR}/man/mirvane-cli.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/man/mirvane-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)

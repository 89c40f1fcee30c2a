# cmake --install: the executables in bin/, what they read in share/quenvar/
# (help.chm, the name lists, the default wildcards, translations/), the desktop entry, the
# icon, the AppStream metainfo, the man page of quenvar-cli and its bash
# completion. cpack -G DEB packs the same into a .deb.

set(QUENVAR_APP_ID org.quenvar.Quenvar)
set(QUENVAR_SHARE ${CMAKE_INSTALL_DATADIR}/quenvar)

install(TARGETS quenvar-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/wildcard.ini DESTINATION ${QUENVAR_SHARE})
install(DIRECTORY data/name/ DESTINATION ${QUENVAR_SHARE}/name FILES_MATCHING PATTERN "*.txt")
install(FILES data/name/SOURCES.md DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME name-lists.md)
if(CHMCMD)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/help.chm DESTINATION ${QUENVAR_SHARE})
endif()
install(FILES dist/quenvar-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME quenvar-cli)

# The man page, from the --help texts.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/quenvar-cli.1.gz
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/build-man $<TARGET_FILE:quenvar-cli> ${PROJECT_VERSION}
            ${CMAKE_CURRENT_BINARY_DIR}/quenvar-cli.1.gz
    DEPENDS quenvar-cli ${CMAKE_CURRENT_SOURCE_DIR}/scripts/build-man
    COMMENT "Writing the man page of quenvar-cli")
  add_custom_target(man_page ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/quenvar-cli.1.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quenvar-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found: no man page for quenvar-cli (scripts/setup installs it)")
endif()

if(QUENVAR_GUI)
  install(TARGETS quenvar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${QUENVAR_QM_FILES} DESTINATION ${QUENVAR_SHARE}/translations)
  install(FILES dist/${QUENVAR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(dist/${QUENVAR_APP_ID}.metainfo.xml ${CMAKE_CURRENT_BINARY_DIR}/${QUENVAR_APP_ID}.metainfo.xml
                 @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${QUENVAR_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon: the drawing, and PNGs of it at the usual sizes.
  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  set(svg ${CMAKE_CURRENT_SOURCE_DIR}/dist/${QUENVAR_APP_ID}.svg)
  install(FILES ${svg} DESTINATION ${icons}/scalable/apps)
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    set(pngs)
    foreach(size 16 22 24 32 48 64 128 256)
      set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${QUENVAR_APP_ID}.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg} VERBATIM)
      list(APPEND pngs ${png})
      install(FILES ${png} DESTINATION ${icons}/${size}x${size}/apps)
    endforeach()
    add_custom_target(icons ALL DEPENDS ${pngs})
  else()
    message(WARNING "rsvg-convert not found: the icon is installed as SVG only (scripts/setup installs it)")
  endif()
endif()

# The Debian package: the libraries' packages found from the executables,
# and Qt's platform plugins, which nothing links.
set(CPACK_PACKAGE_NAME quenvar)
set(CPACK_PACKAGE_VENDOR "The Quenvar developers")
set(CPACK_PACKAGE_CONTACT "The Quenvar developers <developers@quenvar.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random numbers, lottery lines, samples, strings, names and byte files")
set(CPACK_PACKAGE_DESCRIPTION
    "Quenvar Random Number Generator draws random data on six pages: whole numbers from a range, lottery lines, samples from a list of items, strings from a mask of wildcards, person names and files of random bytes. Every run can be repeated from a manual seed. quenvar-cli runs the same generators from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quenvar.org/)
if(QUENVAR_GUI)
  # qt6-translations-l10n: Qt's own dialogs (file, print, message boxes) in the user's language.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6charts6, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm")
endif()
include(CPack)

# cmake --install: the executables in bin/, what they read in share/quenvar/
# (help.chm and its topics, the name lists, the default wildcards, translations/),
# the desktop entry, the icon, the AppStream metainfo, the man pages, the bash
# completion of quenvar-cli, and in share/doc/quenvar/ the copyright file and
# the changelog. cpack -G DEB packs the same into a .deb.

set(QUENVAR_APP_ID org.quenvar.Quenvar)
set(QUENVAR_SHARE ${CMAKE_INSTALL_DATADIR}/quenvar)
# Folders made by the install, and by cpack in the package: rwxr-xr-x
# whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

install(TARGETS quenvar-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/wildcard.ini DESTINATION ${QUENVAR_SHARE})
install(DIRECTORY data/name/ DESTINATION ${QUENVAR_SHARE}/name FILES_MATCHING PATTERN "*.txt")
install(FILES data/name/SOURCES.md DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME name-lists.md)
if(CHMCMD)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/help.chm DESTINATION ${QUENVAR_SHARE})
endif()
# The topics as HTML, for the help window shown where no CHM viewer is.
install(FILES ${QUENVAR_HELP_TOPICS} help/help.hhp DESTINATION ${QUENVAR_SHARE}/help)

# The copyright file (machine-readable, as Debian reads it) and the changelog.
install(FILES dist/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(dist/debian/changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
  COMMAND sh -c "gzip -9nc changelog >changelog.gz"
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/debian
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog)
add_custom_target(changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
# What lintian takes amiss in the package and is right as it is.
install(FILES dist/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quenvar)
install(FILES ${QUENVAR_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME quenvar-cli)

# The man pages: quenvar-cli(1) from the commands' --help texts, quenvar(1)
# from its page in dist/.
set(man_pages ${CMAKE_CURRENT_BINARY_DIR}/man/quenvar-cli.1.gz ${CMAKE_CURRENT_BINARY_DIR}/man/quenvar.1.gz)
add_custom_command(
  OUTPUT ${man_pages}
  COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/scripts/build-man $<TARGET_FILE:quenvar-cli> ${PROJECT_VERSION}
          ${CMAKE_CURRENT_SOURCE_DIR}/dist/quenvar.1 ${CMAKE_CURRENT_BINARY_DIR}/man
  DEPENDS quenvar-cli ${CMAKE_CURRENT_SOURCE_DIR}/scripts/build-man ${CMAKE_CURRENT_SOURCE_DIR}/dist/quenvar.1
  COMMENT "Writing the man pages")
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/quenvar-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(QUENVAR_GUI)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/quenvar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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
# The extended description: lines of less than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Quenvar Random Number Generator draws random data on six pages: whole
numbers from a range, lottery lines, samples from a list of items, strings
from a mask of wildcards, person names and files of random bytes.
Every run can be repeated from a manual seed, and results can be sorted,
saved as text or printed.
The command-line tool quenvar-cli runs the same generators with the same
seeds, so that a run seen in the window can be repeated in a script.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quenvar.org/)
# The window opens files, addresses and e-mail links with xdg-open; its help
# is shown by xchm where it is installed, else in a window of its own.
if(QUENVAR_GUI)
  # qt6-translations-l10n: Qt's own dialogs (file, print, message boxes) in the user's language.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, xdg-utils, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm, qt6-wayland")
endif()
include(CPack)

# What an installation holds, and the Debian package that `make package` builds from it.
#
#   bin/                          kickpool, kickpool-cli
#   share/kickpool/               Demo.txt (the demo season), Sounds/*.wav
#   share/applications/           kickpool.desktop
#   share/icons/hicolor/          the icon, as SVG and as PNG in the usual sizes
#   share/doc/kickpool/           README.md, changelog.gz, copyright
#   share/doc/kickpool/guide/     the user guide: HTML pages, their stylesheet and pictures
#   share/man/man1/               kickpool.1.gz, kickpool-cli.1.gz
#   share/lintian/overrides/      kickpool
#
# The programs find share/kickpool from their own folder, so any prefix works.

set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(KICKPOOL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kickpool)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS kickpool kickpool-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/dist/Files/Kickpool.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kickpool RENAME Demo.txt)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/dist/Sounds DESTINATION ${CMAKE_INSTALL_DATADIR}/kickpool)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${PACKAGING_DIR}/copyright
        DESTINATION ${KICKPOOL_DOCDIR})
if(TARGET docs)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/guide DESTINATION ${KICKPOOL_DOCDIR})
endif()

if(UNIX AND NOT APPLE)
  install(FILES ${PACKAGING_DIR}/kickpool.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PACKAGING_DIR}/kickpool.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # PNG sizes of the icon for menus that do not draw SVG.
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    set(icon_pngs)
    foreach(size 16 22 24 32 48 64 128 256)
      set(png ${PACKAGING_OUT}/icons/${size}x${size}/kickpool.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGING_OUT}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${PACKAGING_DIR}/kickpool.svg
        DEPENDS ${PACKAGING_DIR}/kickpool.svg VERBATIM)
      list(APPEND icon_pngs ${png})
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
  else()
    message(STATUS "rsvg-convert not found: the icon is installed as SVG only")
  endif()

  # Manual pages and the changelog carry the project's version and are installed compressed.
  set(compressed)
  foreach(page kickpool.1 kickpool-cli.1 changelog)
    configure_file(${PACKAGING_DIR}/${page} ${PACKAGING_OUT}/${page} @ONLY)
    add_custom_command(OUTPUT ${PACKAGING_OUT}/${page}.gz
      COMMAND gzip -9nf -k ${PACKAGING_OUT}/${page}
      DEPENDS ${PACKAGING_OUT}/${page} VERBATIM)
    list(APPEND compressed ${PACKAGING_OUT}/${page}.gz)
  endforeach()
  install(FILES ${PACKAGING_OUT}/kickpool.1.gz ${PACKAGING_OUT}/kickpool-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PACKAGING_OUT}/changelog.gz DESTINATION ${KICKPOOL_DOCDIR})

  add_custom_target(packaging_files ALL DEPENDS ${icon_pngs} ${compressed})

  install(FILES ${PACKAGING_DIR}/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME kickpool)

  # A stripped installation (the package's) also drops the compiler's notes from the programs.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(program kickpool kickpool-cli)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
      endforeach()
    endif()")
endif()

set(CPACK_PACKAGE_NAME kickpool)
set(CPACK_PACKAGE_VENDOR "Kickpool developers")
set(CPACK_PACKAGE_CONTACT "Kickpool developers <support@kickpool.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "season-long sports ticket fund-raiser for clubs")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A club, school or charity sells one numbered ticket for every pair of teams
of a league; each ticket holds a different pair every week. Each week the
treasurer types the scores, and Kickpool finds the winning tickets (highest,
second-highest and lowest pair total, and random winners), applies the
club's rules for ties and unsold tickets, and prints the weekly report.
.
It also prints the ticket backs and fronts, letters to winners, the grand
prize and the annual summary. kickpool-cli gives the same reports from a
terminal or a script.")
# The libraries come from dpkg-shlibdeps; Debian's Qt library packages bring their platform and
# multimedia plugins along. The report font is found by name at run time, where dpkg-shlibdeps
# cannot see it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")

include(CPack)

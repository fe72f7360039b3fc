# What `cmake --install` puts in place: the game behind its launcher, the tool, the level files and the manual,
# the desktop entry, icons, AppStream metainfo, manual pages, the copyright and the changelog. `make package` makes
# a Debian package of it. Where things go follows the games policy: the commands in games/, their data in
# share/games/dreizehner, the game program behind the launcher in libexec/dreizehner.
include(GNUInstallDirs)

set(DRZ_GAMES_DIR games CACHE STRING "Where the commands dreizehner and drz go, below the prefix")
set(DRZ_DATA_DIR ${CMAKE_INSTALL_DATADIR}/games/dreizehner)
set(DRZ_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/dreizehner)
set(DRZ_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/dreizehner)
set(DRZ_APP_ID de.dreizehner.Dreizehner)  # also the game's desktop file name (top CMakeLists.txt)
set(DRZ_PACKAGE_MAINTAINER "Mirav <mirav@dreizehner.invalid>" CACHE STRING "Maintainer field of the Debian package")

if(TARGET drz)
  install(TARGETS drz RUNTIME DESTINATION ${DRZ_GAMES_DIR})
endif()

# The copyright file in Debian's machine-readable form, and the changelog compressed as Debian keeps it. The
# changelog's newest entry must be this version.
set(DRZ_CHANGELOG ${CMAKE_SOURCE_DIR}/data/package/changelog)
file(STRINGS ${DRZ_CHANGELOG} changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^dreizehner \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/package/changelog does not begin with version ${PROJECT_VERSION}: ${changelog_head}")
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
  COMMAND gzip -9 -n -c ${DRZ_CHANGELOG} > ${CMAKE_BINARY_DIR}/doc/changelog.gz
  DEPENDS ${DRZ_CHANGELOG} VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/package/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION ${DRZ_DOC_DIR})
file(GLOB DRZ_LEVEL_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.drz)
install(FILES ${DRZ_LEVEL_FILES} DESTINATION ${DRZ_DATA_DIR})

# Manual pages are installed compressed, as Debian keeps them.
function(drz_man_page name)
  set(page ${CMAKE_BINARY_DIR}/man/${name}.6.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/man/${name}.6 > ${page}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/man/${name}.6 VERBATIM)
  add_custom_target(man_${name} ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endfunction()
drz_man_page(drz)

if(TARGET dreizehner)
  install(TARGETS dreizehner RUNTIME DESTINATION ${DRZ_GAME_DIR})
  if(DEFINED DRZ_HELP_FILE)
    install(FILES ${DRZ_HELP_FILE} DESTINATION ${DRZ_DATA_DIR})
  endif()

  # The launcher finds the game and its data relative to itself, so an installed tree can be moved.
  file(RELATIVE_PATH LAUNCHER_TO_DATA /${DRZ_GAMES_DIR} /${DRZ_DATA_DIR})
  file(RELATIVE_PATH LAUNCHER_TO_GAME /${DRZ_GAMES_DIR} /${DRZ_GAME_DIR}/dreizehner)
  configure_file(${CMAKE_SOURCE_DIR}/tools/launcher/dreizehner.in ${CMAKE_BINARY_DIR}/launcher/dreizehner @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/dreizehner DESTINATION ${DRZ_GAMES_DIR})

  set(desktop ${CMAKE_SOURCE_DIR}/data/desktop)
  install(FILES ${desktop}/${DRZ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop}/${DRZ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${desktop}/dreizehner.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${desktop}/dreizehner-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME dreizehner.png)
  endforeach()
  drz_man_page(dreizehner)
endif()

# The Debian package: library dependencies found by dpkg-shlibdeps, plus what the game needs at run time that no
# library link names (fonts, German toolkit texts, platform plugins, the database driver of the help viewer).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dreizehner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${DRZ_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DRZ_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-place puzzle of thirteen overlapping grids")
set(CPACK_PACKAGE_DESCRIPTION "Dreizehner is a number-place puzzle made of thirteen overlapping 9x9 grids,
with four levels, candidate notes, a forced-step solver, a hall of fame and
printing. German user interface.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)

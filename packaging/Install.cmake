# Installation and packages. Linux: the layout of a desktop program under the
# prefix, packaged as a .deb by CPack. Windows: the list beside the programs,
# Qt deployed with them.

set(ZENBELTS_HOMEPAGE "https://github.com/zenbelts/zenbelts")
set(ZENBELTS_SCREENSHOT "https://raw.githubusercontent.com/zenbelts/zenbelts/main/data/screenshot.png")
set(ZENBELTS_MAINTAINER "Zenbelts developers <zenbelts@users.noreply.github.com>")

# The release's date comes from the newest changelog entry, which must be the
# project's version: the metadata and the package must not disagree.
file(STRINGS packaging/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^zenbelts \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry must be ${PROJECT_VERSION}")
endif()
file(STRINGS packaging/changelog signed REGEX "^ -- " LIMIT_COUNT 1)
if(NOT signed MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/changelog: no date in '${signed}'")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
string(LENGTH "${month}" digits)
if(digits EQUAL 1)
  set(month "0${month}")
endif()
set(ZENBELTS_RELEASE_DATE "${year}-${month}-${day}")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  # Beside the programs: the first place they look.
  install(FILES data/sats.lst DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME LICENSE.txt)
  if(Qt6_VERSION VERSION_GREATER_EQUAL 6.5)
    foreach(target zenbelts zenbelts-cli)
      qt_generate_deploy_app_script(TARGET ${target} OUTPUT_SCRIPT deploy NO_UNSUPPORTED_PLATFORM_ERROR)
      install(SCRIPT ${deploy})
    endforeach()
    # The icons are SVG files drawn through plugins, which the deploy tool
    # cannot see: nothing links the SVG module.
    find_package(Qt6 REQUIRED COMPONENTS Svg)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Svg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QSvgPlugin LIBRARY DESTINATION plugins/imageformats)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QSvgIconPlugin LIBRARY DESTINATION plugins/iconengines)
  endif()
  set(CPACK_GENERATOR ZIP)
elseif(UNIX AND NOT APPLE)
  set(share ${CMAKE_INSTALL_DATADIR})
  set(doc ${CMAKE_INSTALL_DATADIR}/doc/zenbelts)
  set(made ${CMAKE_BINARY_DIR}/packaging)
  install(FILES data/sats.lst DESTINATION ${share}/zenbelts)

  configure_file(data/zenbelts.desktop.in ${made}/${ZENBELTS_APP_ID}.desktop @ONLY)
  configure_file(data/zenbelts.metainfo.xml.in ${made}/${ZENBELTS_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${made}/${ZENBELTS_APP_ID}.desktop DESTINATION ${share}/applications)
  install(FILES ${made}/${ZENBELTS_APP_ID}.metainfo.xml DESTINATION ${share}/metainfo)
  install(FILES data/zenbelts-mime.xml DESTINATION ${share}/mime/packages RENAME ${ZENBELTS_APP_ID}.xml)
  install(FILES src/gui/app/icons/zenbelts.svg DESTINATION ${share}/icons/hicolor/scalable/apps
          RENAME ${ZENBELTS_APP_ID}.svg)
  install(FILES src/gui/app/icons/document.svg DESTINATION ${share}/icons/hicolor/scalable/mimetypes
          RENAME application-x-zenbelts.svg)

  # Manual pages and the changelog compressed as Debian wants them: at most,
  # and without a time stamp, so that builds repeat.
  configure_file(man/zenbelts.1.in ${made}/zenbelts.1 @ONLY)
  configure_file(man/zenbelts-cli.1.in ${made}/zenbelts-cli.1 @ONLY)
  configure_file(packaging/changelog ${made}/changelog COPYONLY)
  find_program(GZIP gzip REQUIRED)
  set(compressed)
  foreach(name zenbelts.1 zenbelts-cli.1 changelog)
    add_custom_command(OUTPUT ${made}/${name}.gz COMMAND ${GZIP} -9nkf ${made}/${name}
                       DEPENDS ${made}/${name} VERBATIM)
    list(APPEND compressed ${made}/${name}.gz)
  endforeach()
  add_custom_target(zenbelts_compressed_docs ALL DEPENDS ${compressed})
  install(FILES ${made}/zenbelts.1.gz ${made}/zenbelts-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${made}/changelog.gz packaging/copyright DESTINATION ${doc})

  set(CPACK_GENERATOR DEB)
endif()

# "cmake --build build --target uninstall" undoes the last "cmake --install".
add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -D MANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
                                    -P ${CMAKE_SOURCE_DIR}/packaging/Uninstall.cmake)

set(CPACK_PACKAGE_NAME zenbelts)
set(CPACK_PACKAGE_VENDOR "Zenbelts developers")
set(CPACK_PACKAGE_CONTACT "${ZENBELTS_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ZENBELTS_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up a motorised polar mount for a satellite dish")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the X11 platform plugin
# and the SVG plugins the icons are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Below the summary line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zenbelts works out where a dish's beam sweeps as the motor of its polar
mount turns, from where the dish stands and how the mount is adjusted, and
shows that path against the geostationary satellites chosen, with the miss
for each of them. It finds the best motor elevation and declination for the
location, prints the plot with a legend of the set-up, and keeps set-ups in
small .zb files.

The package holds the desktop program and zenbelts-cli, which makes,
changes, draws and optimises set-ups from the command line.")

include(CPack)

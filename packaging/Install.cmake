# Installation. Linux: the layout of a desktop program under the prefix, which
# debian/ packages. Windows: the list beside the programs, Qt deployed with
# them, zipped by CPack.

set(ZENBELTS_HOMEPAGE "https://github.com/zenbelts/zenbelts")
# The picture of this release, at an address that names its version.
set(ZENBELTS_SCREENSHOT
    "https://raw.githubusercontent.com/zenbelts/zenbelts/v${PROJECT_VERSION}/packaging/screenshot.png")

# The changelog is the one list of releases: its newest entry must be the
# project's version, whose date the manuals carry, and every entry is a
# release of the metadata with its notes.
set(changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(READ ${changelog} text)
# One list item a line: what a list would read as more or less than one
# item is kept aside until it is written.
string(REPLACE ";" "@semicolon@" text "${text}")
string(REPLACE "[" "@open@" text "${text}")
string(REPLACE "]" "@close@" text "${text}")
string(REPLACE "\n" ";" lines "${text}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(ZENBELTS_RELEASES "")
set(ZENBELTS_RELEASE_DATE "")
set(version "")
set(items "")
foreach(line IN LISTS lines)
  if(line MATCHES "^zenbelts \\(([^)]+)\\) ")
    set(version ${CMAKE_MATCH_1})
    set(items "")
  elseif(line MATCHES "^  \\* (.*)$")
    list(APPEND items "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^    +(.*)$" AND items)
    list(POP_BACK items item)
    list(APPEND items "${item} ${CMAKE_MATCH_1}")
  elseif(line MATCHES "^ -- .*, ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    list(FIND months ${CMAKE_MATCH_2} month)
    if(month LESS 0 OR NOT version)
      message(FATAL_ERROR "debian/changelog: cannot read '${line}'")
    endif()
    math(EXPR month "${month} + 1")
    string(LENGTH "${month}" digits)
    if(digits EQUAL 1)
      set(month "0${month}")
    endif()
    string(LENGTH "${day}" digits)
    if(digits EQUAL 1)
      set(day "0${day}")
    endif()
    if(NOT ZENBELTS_RELEASE_DATE)
      if(NOT version STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "debian/changelog: the newest entry must be ${PROJECT_VERSION}, not ${version}")
      endif()
      set(ZENBELTS_RELEASE_DATE "${year}-${month}-${day}")
    endif()
    string(APPEND ZENBELTS_RELEASES "    <release version=\"${version}\" date=\"${year}-${month}-${day}\">\n"
                                    "      <description>\n        <ul>\n")
    foreach(item IN LISTS items)
      string(REPLACE "&" "&amp;" item "${item}")
      string(REPLACE "<" "&lt;" item "${item}")
      string(REPLACE ">" "&gt;" item "${item}")
      string(REPLACE "@semicolon@" ";" item "${item}")
      string(REPLACE "@open@" "[" item "${item}")
      string(REPLACE "@close@" "]" item "${item}")
      string(APPEND ZENBELTS_RELEASES "          <li>${item}</li>\n")
    endforeach()
    string(APPEND ZENBELTS_RELEASES "        </ul>\n      </description>\n    </release>\n")
    set(version "")
  endif()
endforeach()
if(NOT ZENBELTS_RELEASE_DATE)
  message(FATAL_ERROR "debian/changelog: no signed entry")
endif()
string(REGEX REPLACE "\n$" "" ZENBELTS_RELEASES "${ZENBELTS_RELEASES}")

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
  set(CPACK_PACKAGE_NAME zenbelts)
  set(CPACK_PACKAGE_VENDOR "Zenbelts developers")
  set(CPACK_PACKAGE_HOMEPAGE_URL "${ZENBELTS_HOMEPAGE}")
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up a motorised polar mount for a satellite dish")
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
  set(CPACK_GENERATOR ZIP)
  include(CPack)
elseif(UNIX AND NOT APPLE)
  set(share ${CMAKE_INSTALL_DATADIR})
  set(made ${CMAKE_BINARY_DIR}/packaging)
  install(FILES data/sats.lst DESTINATION ${share}/zenbelts)

  # The desktop entry, the metadata and the MIME type in every language of
  # the program, from its translations.
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(metadata ${PROJECT_SOURCE_DIR}/packaging/metadata.py)
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/zenbelts_*.ts)
  configure_file(packaging/zenbelts.desktop.in ${made}/english/${ZENBELTS_APP_ID}.desktop @ONLY)
  configure_file(packaging/zenbelts.metainfo.xml.in ${made}/english/${ZENBELTS_APP_ID}.metainfo.xml @ONLY)
  configure_file(packaging/zenbelts-mime.xml.in ${made}/english/${ZENBELTS_APP_ID}.mime.xml COPYONLY)
  set(translated)
  foreach(name ${ZENBELTS_APP_ID}.desktop ${ZENBELTS_APP_ID}.metainfo.xml ${ZENBELTS_APP_ID}.mime.xml)
    add_custom_command(OUTPUT ${made}/${name}
                       COMMAND Python3::Interpreter ${metadata} build ${made}/english/${name} ${made}/${name} ${ts_files}
                       DEPENDS ${metadata} ${made}/english/${name} ${ts_files} VERBATIM)
    list(APPEND translated ${made}/${name})
  endforeach()
  add_custom_target(zenbelts_metadata ALL DEPENDS ${translated})
  install(FILES ${made}/${ZENBELTS_APP_ID}.desktop DESTINATION ${share}/applications)
  install(FILES ${made}/${ZENBELTS_APP_ID}.metainfo.xml DESTINATION ${share}/metainfo)
  install(FILES ${made}/${ZENBELTS_APP_ID}.mime.xml DESTINATION ${share}/mime/packages RENAME ${ZENBELTS_APP_ID}.xml)
  install(FILES src/gui/app/icons/zenbelts.svg DESTINATION ${share}/icons/hicolor/scalable/apps
          RENAME ${ZENBELTS_APP_ID}.svg)
  install(FILES src/gui/app/icons/document.svg DESTINATION ${share}/icons/hicolor/scalable/mimetypes
          RENAME application-x-zenbelts.svg)

  # The manuals; the tool's synopsis is its usage (src/cli/usage.txt).
  execute_process(COMMAND ${Python3_EXECUTABLE} ${metadata} synopsis ${ZENBELTS_CLI_USAGE}
                  OUTPUT_VARIABLE ZENBELTS_CLI_SYNOPSIS OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metadata})
  configure_file(man/zenbelts.1.in ${made}/zenbelts.1 @ONLY)
  configure_file(man/zenbelts-cli.1.in ${made}/zenbelts-cli.1 @ONLY)
  install(FILES ${made}/zenbelts.1 ${made}/zenbelts-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # The README, and the changelog and copyright where and as debhelper puts them.
  install(FILES README.md debian/changelog debian/copyright DESTINATION ${share}/doc/zenbelts)
endif()

# "cmake --build build --target uninstall" undoes the last "cmake --install".
add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -D MANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
                                    -P ${CMAKE_SOURCE_DIR}/packaging/Uninstall.cmake)

# The field page, where scripts/web has built it: the single file and the
# folder to serve under share/zenbelts/web, where the desktop program's Help
# menu finds the single file. Optional: a package built without it lacks
# only the page.
set(ZENBELTS_WEB_DIR ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "The field page as scripts/web builds it")
if(UNIX AND NOT APPLE)
  install(FILES ${ZENBELTS_WEB_DIR}/zenbelts-field.html DESTINATION ${CMAKE_INSTALL_DATADIR}/zenbelts/web OPTIONAL)
  install(DIRECTORY ${ZENBELTS_WEB_DIR}/site/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zenbelts/web/site OPTIONAL)
endif()

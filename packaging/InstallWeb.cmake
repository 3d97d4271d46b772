# The field page, where scripts/web has built it: the single file and the
# folder to serve under share/zenbelts/web, where the desktop program's Help
# menu finds the single file. Optional, and looked for when installing (the
# page may be built after configuring): an install without it lacks only the
# page, and leaves no empty folder behind.
set(ZENBELTS_WEB_DIR ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "The field page as scripts/web builds it")
if(UNIX AND NOT APPLE)
  set(web_destination "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/zenbelts/web")
  install(CODE "
    if(EXISTS \"${ZENBELTS_WEB_DIR}/zenbelts-field.html\")
      file(INSTALL \"${ZENBELTS_WEB_DIR}/zenbelts-field.html\" DESTINATION \"${web_destination}\")
      file(INSTALL \"${ZENBELTS_WEB_DIR}/site/\" DESTINATION \"${web_destination}/site\")
    endif()")
endif()

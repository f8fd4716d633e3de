# The release zip: tolvex.exe with the files that lie beside it, the licences
# and a short Japanese read-me. `make package` builds it with CPack.
if(NOT WIN32)
  return()
endif()

if(TARGET tolvex)
  install(TARGETS tolvex RUNTIME DESTINATION .)
endif()
foreach(f euc2uni.dll qelmo.ico qelmo2.ico info.html LICENSE-glyphs)
  if(EXISTS ${TOLVEX_RESOURCES}/${f})
    install(FILES ${TOLVEX_RESOURCES}/${f} DESTINATION .)
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE "${TOLVEX_RESOURCES}/はじめにお読みください.txt"
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tolvex)
set(CPACK_PACKAGE_VENDOR "the Tolvex developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tolvex-${PROJECT_VERSION}-win64)
# Unzipping gives one folder that holds everything; deleting it uninstalls.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)  # the debug symbols stay in the build folder
include(CPack)

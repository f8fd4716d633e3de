# Files that lie beside tolvex.exe: the toolbar icons and the information page.
foreach(f qelmo.ico qelmo2.ico info.html)
  if(EXISTS ${TOLVEX_RESOURCES}/${f})
    configure_file(${TOLVEX_RESOURCES}/${f} ${TOLVEX_DIST_DIR}/${f} COPYONLY)
  endif()
endforeach()

# tolvex.exe: the Win32 program, a thin layer over the portable libraries.
set(TOLVEX_GUI_SOURCES
  Tolvex.cpp WinText.cpp Controls.cpp DialogWindow.cpp Fptndlg.cpp Fopt.cpp
  Fkeybord.cpp FkeybordLayout.cpp FkeybordInput.cpp FkeybordDraw.cpp
  FkeybordClipboard.cpp FkeybordSave.cpp FkeybordSystem.cpp ClipboardIO.cpp)
list(TRANSFORM TOLVEX_GUI_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)

add_executable(tolvex WIN32 ${TOLVEX_GUI_SOURCES} ${TOLVEX_RESOURCES}/tolvex.rc)
target_include_directories(tolvex PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${TOLVEX_RESOURCES}
                                          ${CMAKE_SOURCE_DIR}/system)
# The resource compiler finds the pictures and the manifest through this folder.
set_source_files_properties(${TOLVEX_RESOURCES}/tolvex.rc PROPERTIES
  OBJECT_DEPENDS "${TOLVEX_RESOURCES}/tolvex.manifest;${TOLVEX_RESOURCES}/resource.h")
if(EXISTS ${TOLVEX_RESOURCES}/tolvex.ico)
  target_compile_definitions(tolvex PRIVATE TOLVEX_HAVE_ICON)
endif()
target_link_libraries(tolvex PRIVATE
  tolvex_shell_logic tolvex_engine tolvex_exchange tolvex_display tolvex_settings tolvex_exedir
  comctl32 comdlg32 gdi32 user32)
foreach(lib tolvex_winregistry tolvex_system)
  if(TARGET ${lib})
    target_link_libraries(tolvex PRIVATE ${lib})
  endif()
endforeach()
if(MINGW)
  target_link_options(tolvex PRIVATE -municode)
endif()
set_target_properties(tolvex PROPERTIES
  OUTPUT_NAME tolvex
  RUNTIME_OUTPUT_DIRECTORY ${TOLVEX_DIST_DIR})
if(TARGET tolvex_euc_table)
  add_dependencies(tolvex tolvex_euc_table)
endif()

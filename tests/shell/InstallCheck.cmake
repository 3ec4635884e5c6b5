# Installs the build into a fresh prefix and fails unless the program, its guide, the desktop
# entry and the icon are where a desktop looks for them.
set(prefix ${BUILD}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/kx760 bin/kx760-guide.html share/applications/kx760.desktop
          share/icons/hicolor/scalable/apps/kx760.svg)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ ${prefix}/share/applications/kx760.desktop entry)
if(NOT entry MATCHES "NoDisplay=true" OR NOT entry MATCHES "Exec=kx760")
  message(FATAL_ERROR "the desktop entry lacks NoDisplay=true or Exec=kx760")
endif()
file(REMOVE_RECURSE ${prefix})

# Installs the build into a fresh prefix and fails unless the four programs, the guide, the
# catalogues, the simulator's data, the desktop entry and the icon are where the platform's
# conventions put them, and the installed programs run from there.
set(prefix ${BUILD}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/kx760 bin/kx760ctl bin/kx760mib bin/kx760sim share/kx760-manager/kx760-guide.html
          share/doc/kx760-manager/README.md share/kx760-manager/errmsg/common.err share/kx760-manager/errmsg/snmp.msg
          share/kx760-manager/kx760.data share/kx760-manager/kx760-variant.data share/kx760-manager/kx760-catalogue.data share/applications/kx760.desktop
          share/icons/hicolor/scalable/apps/kx760.svg)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
if(EXISTS ${prefix}/bin/kx760-guide.html)
  message(FATAL_ERROR "the guide is a document, not a program: it does not belong in bin/")
endif()
file(READ ${prefix}/share/applications/kx760.desktop entry)
if(NOT entry MATCHES "NoDisplay=true" OR NOT entry MATCHES "Exec=kx760")
  message(FATAL_ERROR "the desktop entry lacks NoDisplay=true or Exec=kx760")
endif()

# The installed programs run: kx760's usage without a display, kx760ctl's catalogue without a
# device, and kx760sim (ended by SIGTERM once it listens).
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 ${prefix}/bin/kx760 --help
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT out MATCHES "usage: kx760")
  message(FATAL_ERROR "installed kx760 --help: ${rc} ${out} ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 ${prefix}/bin/kx760ctl catalogue
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed kx760ctl catalogue: ${rc} ${err}")
endif()
execute_process(COMMAND timeout -s TERM 8 env ASAN_OPTIONS=detect_leaks=0 ${prefix}/bin/kx760sim --led-period 0
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT out MATCHES "listening on udp:127.0.0.1:")
  message(FATAL_ERROR "installed kx760sim did not start: ${rc} ${out} ${err}")
endif()
file(REMOVE_RECURSE ${prefix})

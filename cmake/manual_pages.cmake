# The programs are installed with a manual page each, made from the program's
# own --help and --version by help2man, so the page never drifts from the
# program, and compressed as Debian wants them. Programs installed as games
# (in .../games) get their pages in section 6. Without help2man the pages
# are skipped and the build goes on.
set(quorval_programs quorval-eventgen quorval-bench)
set(quorval_page_quorval "learn duplicate bridge in a simulated bridge club")
set(quorval_page_quorval-eventgen "make, check and measure the event files")
set(quorval_page_quorval-bench "measure the play engine on an event set")
if(QUORVAL_WITH_QT)
  list(PREPEND quorval_programs quorval)
endif()

install(TARGETS ${quorval_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

find_program(HELP2MAN_EXECUTABLE help2man)
if(NOT HELP2MAN_EXECUTABLE)
  message(STATUS "help2man not found: the manual pages are not made (apt-get install help2man)")
  return()
endif()

set(quorval_man_section 1)
if(CMAKE_INSTALL_BINDIR MATCHES "games$")
  set(quorval_man_section 6)
endif()
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(quorval_pages)
foreach(program IN LISTS quorval_programs)
  set(page ${PROJECT_BINARY_DIR}/man/${program}.${quorval_man_section})
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${HELP2MAN_EXECUTABLE} --no-info --section=${quorval_man_section} "--name=${quorval_page_${program}}"
            --output=${page} $<TARGET_FILE:${program}>
    COMMAND ${GZIP_EXECUTABLE} -9nf ${page}
    DEPENDS ${program}
    COMMENT "Manual page of ${program}"
    VERBATIM)
  list(APPEND quorval_pages ${page}.gz)
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${quorval_pages})
install(FILES ${quorval_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${quorval_man_section})

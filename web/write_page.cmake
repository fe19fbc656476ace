# Writes OUTPUT, the page, from DIR/index.html with DIR/lumiq.css, DIR/lumiq.js
# and the layout (the output of the command WRITE_LAYOUT) put in its place.
execute_process(COMMAND ${WRITE_LAYOUT} OUTPUT_VARIABLE LUMIQ_LAYOUT
                RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
if(failed OR LUMIQ_LAYOUT STREQUAL "")
  message(FATAL_ERROR "${WRITE_LAYOUT} did not write the layout: ${failed}")
endif()
file(READ ${DIR}/lumiq.css LUMIQ_STYLE)
file(READ ${DIR}/lumiq.js LUMIQ_SCRIPT)
# Either would end its element early.
foreach(part IN ITEMS LUMIQ_STYLE LUMIQ_SCRIPT LUMIQ_LAYOUT)
  string(TOLOWER "${${part}}" text)
  if(text MATCHES "</(style|script)")
    message(FATAL_ERROR "${part} holds a closing tag, which would end its element in the page")
  endif()
endforeach()
configure_file(${DIR}/index.html ${OUTPUT} @ONLY)

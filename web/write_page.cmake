# Writes OUTPUT, the page, from DIR/index.html with DIR/lumiq.css, the script
# and the layout (the output of the command WRITE_LAYOUT) put in its place.
# The script is DIR/page/*.js, then DIR/lumiq.js, which declares the state
# they share and starts the page.
execute_process(COMMAND ${WRITE_LAYOUT} OUTPUT_VARIABLE LUMIQ_LAYOUT
                RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
if(failed OR LUMIQ_LAYOUT STREQUAL "")
  message(FATAL_ERROR "${WRITE_LAYOUT} did not write the layout: ${failed}")
endif()
file(READ ${DIR}/lumiq.css LUMIQ_STYLE)
file(GLOB parts ${DIR}/page/*.js)
list(SORT parts)
set(LUMIQ_SCRIPT "")
foreach(part IN LISTS parts ITEMS ${DIR}/lumiq.js)
  file(READ ${part} text)
  string(APPEND LUMIQ_SCRIPT "${text}\n")
endforeach()
# Either would end its element early.
foreach(part IN ITEMS LUMIQ_STYLE LUMIQ_SCRIPT LUMIQ_LAYOUT)
  string(TOLOWER "${${part}}" text)
  if(text MATCHES "</(style|script)")
    message(FATAL_ERROR "${part} holds a closing tag, which would end its element in the page")
  endif()
endforeach()
configure_file(${DIR}/index.html ${OUTPUT} @ONLY)

# Writes OUTPUT, the page, from DIR/index.html with DIR/lumiq.css, the script,
# the layout and the colour schemes (the output of the command WRITE_LAYOUT)
# and the engine put in its place. The script is DIR/lumiq.js and the modules it imports, bundled by
# ESBUILD into one minified function. The engine is ENGINE, its script, and
# the .wasm beside it, which the command NODE (node and its options) writes in
# base64.
execute_process(COMMAND ${WRITE_LAYOUT} OUTPUT_VARIABLE written
                RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
# Its first line is the layout, its second the colour schemes' style rules.
string(FIND "${written}" "\n" end)
if(failed OR end LESS 1)
  message(FATAL_ERROR "${WRITE_LAYOUT} did not write the layout and the schemes: ${failed}")
endif()
string(SUBSTRING "${written}" 0 ${end} LUMIQ_LAYOUT)
math(EXPR end "${end} + 1")
string(SUBSTRING "${written}" ${end} -1 schemes)
# The window's titles are the page's.
string(JSON LUMIQ_TITLE GET "${LUMIQ_LAYOUT}" title)
string(JSON LUMIQ_MESSAGE_TITLE GET "${LUMIQ_LAYOUT}" messageTitle)
string(REGEX REPLACE "\\.js$" ".wasm" wasm ${ENGINE})
execute_process(COMMAND ${NODE} -e "process.stdout.write(require('fs').readFileSync(process.argv[1], 'base64'))"
                        ${wasm}
                OUTPUT_VARIABLE LUMIQ_ENGINE_CODE RESULT_VARIABLE failed)
if(failed OR LUMIQ_ENGINE_CODE STREQUAL "")
  message(FATAL_ERROR "could not read the engine's code from ${wasm}: ${failed}")
endif()
file(READ ${ENGINE} LUMIQ_ENGINE)
file(READ ${DIR}/lumiq.css LUMIQ_STYLE)
string(PREPEND LUMIQ_STYLE "${schemes}\n")
execute_process(COMMAND ${ESBUILD} ${DIR}/lumiq.js --bundle --format=iife --global-name=LumiqPage
                        --minify --log-level=warning
                OUTPUT_VARIABLE LUMIQ_SCRIPT RESULT_VARIABLE failed)
if(failed OR LUMIQ_SCRIPT STREQUAL "")
  message(FATAL_ERROR "${ESBUILD} could not bundle ${DIR}/lumiq.js: ${failed}")
endif()
# Any of them would end its element early.
foreach(part IN ITEMS LUMIQ_STYLE LUMIQ_ENGINE LUMIQ_SCRIPT LUMIQ_LAYOUT LUMIQ_TITLE LUMIQ_MESSAGE_TITLE)
  string(TOLOWER "${${part}}" text)
  if(text MATCHES "</(style|script)")
    message(FATAL_ERROR "${part} holds a closing tag, which would end its element in the page")
  endif()
endforeach()
configure_file(${DIR}/index.html ${OUTPUT} @ONLY)

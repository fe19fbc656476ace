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

# The page's one script and its style, exactly as they stand between their
# tags: the content security policy lets these bytes run, and nothing else.
set(LUMIQ_SCRIPT_TEXT "\n${LUMIQ_ENGINE}\n(() => {\n\"use strict\"; // as the modules were written: the bundle drops their strictness\n${LUMIQ_SCRIPT}\nLumiqPage.start(LumiqEngine);\n})();\n")
set(LUMIQ_STYLE_TEXT "\n${LUMIQ_STYLE}\n")
function(content_hash variable text)
  string(SHA256 name "${text}")
  set(file ${OUTPUT}.${name}.tmp)
  file(WRITE ${file} "${text}")
  execute_process(COMMAND ${NODE} -e
                          "process.stdout.write(require('crypto').createHash('sha256').update(require('fs').readFileSync(process.argv[1])).digest('base64'))"
                          ${file}
                  OUTPUT_VARIABLE hash RESULT_VARIABLE failed)
  file(REMOVE ${file})
  if(failed OR NOT hash MATCHES "^[A-Za-z0-9+/]+=*$")
    message(FATAL_ERROR "could not hash the page's inline content: ${failed}")
  endif()
  set(${variable} "'sha256-${hash}'" PARENT_SCOPE)
endfunction()
content_hash(script_hash "${LUMIQ_SCRIPT_TEXT}")
content_hash(style_hash "${LUMIQ_STYLE_TEXT}")
# Only the page's own files, its own script and style, and the engine's
# WebAssembly; no other origin, no plugin, no <base>, no form sent anywhere.
set(LUMIQ_POLICY "default-src 'self'; script-src ${script_hash} 'wasm-unsafe-eval'; style-src ${style_hash}; worker-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'")
configure_file(${DIR}/index.html ${OUTPUT} @ONLY)

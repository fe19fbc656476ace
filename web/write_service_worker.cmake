# Writes DIR/sw.js from TEMPLATE: the list of every file in DIR (the page
# itself as "./") and a version made from their contents. Beside each file
# other than the icons' PNGs it writes a gzip copy (file.gz) for static hosts
# that serve precompressed files; the copies are not cached by the worker.
file(GLOB_RECURSE files RELATIVE ${DIR} ${DIR}/*)
list(FILTER files EXCLUDE REGEX "(^sw\\.js|\\.gz)$")
list(SORT files)
set(assets "\"./\"")
set(digests "")
foreach(file IN LISTS files)
  file(SHA256 ${DIR}/${file} digest)
  string(APPEND digests "${file}:${digest}\n")
  string(APPEND assets ", \"${file}\"")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 LUMIQ_WEB_VERSION)
set(LUMIQ_WEB_ASSETS ${assets})
configure_file(${TEMPLATE} ${DIR}/sw.js @ONLY)

# PNGs are compressed already; everything else shrinks to a third or less.
# Without a name or a time in their headers (-n), two builds write the same copies.
find_program(GZIP gzip REQUIRED)
foreach(file IN LISTS files ITEMS sw.js)
  if(NOT file MATCHES "\\.png$")
    execute_process(COMMAND ${GZIP} -9nc ${DIR}/${file} OUTPUT_FILE ${DIR}/${file}.gz
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${GZIP} could not compress ${DIR}/${file}: ${failed}")
    endif()
  endif()
endforeach()

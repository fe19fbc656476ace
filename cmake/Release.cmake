# The releases, read from CHANGELOG.md, the one place where their entries and
# dates are written:
#   LUMIQ_RELEASE_DATE        the newest release's date, YYYY-MM-DD
#   LUMIQ_APPSTREAM_RELEASES  every release as AppStream's <release> elements
#   LUMIQ_SOURCE_DATE_EPOCH   the time stamped on everything the build writes:
#                             SOURCE_DATE_EPOCH if set, else the last commit's
#                             time, else (a source tarball) the release date
# The newest release must be PROJECT_VERSION, the one place the version is set.
set(LUMIQ_MAINTAINER "Lumiq <lumiq@example.org>")
set(LUMIQ_HOMEPAGE "https://lumiq.example.org/")

# Y, M and D of a YYYY-MM-DD date as numbers (math() reads a leading zero as
# octal), and its days since 1970-01-01 (the proleptic Gregorian calendar).
function(lumiq_parse_date date)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "CHANGELOG.md: '${date}' is not a date YYYY-MM-DD")
  endif()
  set(D ${CMAKE_MATCH_3})
  set(numbers "")
  foreach(part IN ITEMS ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3})
    string(REGEX REPLACE "^0+(.)" "\\1" part "${part}")
    list(APPEND numbers ${part})
  endforeach()
  list(POP_FRONT numbers n1 n2 n3)
  if(n2 LESS_EQUAL 2)
    math(EXPR y "${n1} - 1")
    math(EXPR m "${n2} + 9")
  else()
    set(y ${n1})
    math(EXPR m "${n2} - 3")
  endif()
  math(EXPR days "${y} * 365 + ${y} / 4 - ${y} / 100 + ${y} / 400 + (153 * ${m} + 2) / 5 + ${n3} - 1 - 719468")
  set(Y ${n1} PARENT_SCOPE)
  set(M ${n2} PARENT_SCOPE)
  set(D ${D} PARENT_SCOPE)
  set(DAYS ${days} PARENT_SCOPE)
endfunction()

# Markdown's inline marks dropped: links keep their text, code its letters.
function(lumiq_plain_text text out)
  string(REGEX REPLACE "\\[([^]]*)\\]\\([^)]*\\)" "\\1" text "${text}")
  string(REPLACE "`" "" text "${text}")
  string(REPLACE "**" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${PROJECT_SOURCE_DIR}/CHANGELOG.md changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
# One list element per line: a semicolon in the text would split it.
string(REPLACE ";" "\\;" changelog "${changelog}")
string(REPLACE "\n" ";" lines "${changelog};")

# Writes the item read so far into the release it belongs to.
macro(lumiq_close_item)
  lumiq_plain_text("${item}" item)
  string(REPLACE "&" "&amp;" xml "${item}")
  string(REPLACE "<" "&lt;" xml "${xml}")
  string(REPLACE ">" "&gt;" xml "${xml}")
  string(APPEND appstream_items "          <li>${xml}</li>\n")
  set(item "")
endmacro()

# Writes the release read so far, with its items.
macro(lumiq_close_release)
  if(appstream_items STREQUAL "")
    string(APPEND LUMIQ_APPSTREAM_RELEASES "    <release version=\"${release}\" date=\"${release_date}\"/>\n")
  else()
    string(APPEND LUMIQ_APPSTREAM_RELEASES
           "    <release version=\"${release}\" date=\"${release_date}\">\n"
           "      <description>\n${appstream_items}        </ul>\n      </description>\n    </release>\n")
  endif()
  set(release "")
endmacro()

set(releases "")
set(release "")
set(item "")
# Each item is closed by the next item, heading or blank line, and by the end.
foreach(line IN LISTS lines ITEMS "## [end]")
  if(NOT item STREQUAL "" AND NOT line MATCHES "^  +[^ ]")
    lumiq_close_item()
  endif()
  if(line MATCHES "^## \\[([^]]+)\\]( - ([0-9-]+))?")
    set(version "${CMAKE_MATCH_1}")
    set(date "${CMAKE_MATCH_3}")
    if(NOT release STREQUAL "")
      lumiq_close_release()
    endif()
    if(NOT version MATCHES "^(Unreleased|end)$")
      lumiq_parse_date("${date}")
      if(NOT releases)
        set(LUMIQ_RELEASE_DATE ${date})
      endif()
      list(APPEND releases ${version})
      set(release ${version})
      set(release_date ${date})
      set(appstream_items "")
    endif()
  elseif(release STREQUAL "")
    # The file's own header and [Unreleased] are not released.
  elseif(line MATCHES "^### (.+)")
    if(NOT appstream_items STREQUAL "")
      string(APPEND appstream_items "        </ul>\n")
    endif()
    string(APPEND appstream_items "        <p>${CMAKE_MATCH_1}</p>\n        <ul>\n")
  elseif(line MATCHES "^- (.+)")
    if(appstream_items STREQUAL "")
      message(FATAL_ERROR "CHANGELOG.md: release ${release} lists a change before its first "
                          "heading (### Added, ### Fixed, ...)")
    endif()
    set(item "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  +([^ ].*)" AND NOT item STREQUAL "")
    string(APPEND item " ${CMAKE_MATCH_1}")
  endif()
endforeach()

if(NOT releases)
  message(FATAL_ERROR "CHANGELOG.md has no release: add a dated entry for ${PROJECT_VERSION}")
endif()
list(GET releases 0 newest)
if(NOT newest STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md's newest release is ${newest}, but project() says "
                      "${PROJECT_VERSION}: add a dated entry for ${PROJECT_VERSION}")
endif()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(LUMIQ_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE LUMIQ_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed ERROR_QUIET)
  if(failed OR NOT LUMIQ_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    lumiq_parse_date(${LUMIQ_RELEASE_DATE})
    math(EXPR LUMIQ_SOURCE_DATE_EPOCH "${DAYS} * 86400")
  else()
    # A new commit moves the time: configure again after one.
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} rev-parse --absolute-git-dir
                    OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS ${git_dir}/logs/HEAD)
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
    endif()
  endif()
endif()

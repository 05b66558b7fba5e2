# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation lags behind the program's texts or breaks one:
# each .ts file, brought up to date with the sources in a copy, must have
# every message finished, with the placeholders (%1, %2 ...) of its source
# (%L1 for %1 groups a number's digits). In a language with plural forms, a
# count (a placeholder its translators' note calls a size, a count or a
# number of something) has no noun or unit right after it: that needs %n
# and plural forms, or a wording that sets the count apart. French puts no
# plain space before : ; ! ? nor inside « ». What the player or Wine reads
# (the stop words, file names and patterns) must be among no texts and no
# translations.
# -DLUPDATE= -DTS_FILES=a|b -DSOURCES=a|b -DWORK_DIR= -DSTOP_WORDS_SOURCE=
string(REPLACE "|" ";" TS_FILES "${TS_FILES}")
string(REPLACE "|" ";" SOURCES "${SOURCES}")
file(STRINGS "${STOP_WORDS_SOURCE}" stop REGEX "kStopMessage = ")
string(REGEX REPLACE ".*QStringLiteral\\(\" *([^\"]+)\"\\).*" "\\1" stop "${stop}")
if(NOT stop MATCHES "^[A-Z].*\\.\\.\\.$")
  message(FATAL_ERROR "The stop words are not where the check looks for them: ${STOP_WORDS_SOURCE}")
endif()
string(REPLACE "." "\\." stop_pattern "${stop}")
set(one_form "^(ja|ko|zh|vi|th|id|ms|lo|my)") # languages without plural forms
set(file_name "[A-Za-z0-9_]\\.(exe|mp3|m3u|wav|mid|voc|mod|avi|mpg|lock)|QDX|\\*\\.")

# The messages are a list: their own semicolons stand aside meanwhile.
string(ASCII 1 semicolon)
set(failures "")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  configure_file("${ts}" "${WORK_DIR}/${name}" COPYONLY)
  execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${SOURCES} -ts "${WORK_DIR}/${name}"
                  COMMAND_ERROR_IS_FATAL ANY)
  file(READ "${WORK_DIR}/${name}" content)
  string(REGEX REPLACE ".*<TS [^>]*language=\"([^\"]*)\".*" "\\1" language "${content}")
  string(REPLACE "&apos;" "'" content "${content}")
  string(REPLACE "&quot;" "\"" content "${content}")
  string(REPLACE "&gt;" ">" content "${content}")
  string(REPLACE "&amp;" "&" content "${content}")
  string(REPLACE ";" "${semicolon}" content "${content}")
  string(REPLACE "</message>" ";" messages "${content}")
  list(POP_BACK messages)
  foreach(message IN LISTS messages)
    string(REGEX REPLACE ".*<source>(.*)</source>.*" "\\1" source "${message}")
    string(REGEX REPLACE ".*<translation([^>]*)>(.*)</translation>.*" "\\2" translation "${message}")
    string(REGEX REPLACE ".*<translation([^>]*)>.*" "\\1" kind "${message}")
    if(kind MATCHES "type=" OR translation STREQUAL "")
      list(APPEND failures "${name}: not translated: ${source}")
    endif()
    string(REGEX REPLACE "%L([1-9])" "%\\1" plain "${translation}")
    string(REGEX MATCHALL "%[1-9]" wanted "${source}")
    string(REGEX MATCHALL "%[1-9]" given "${plain}")
    list(SORT wanted)
    list(SORT given)
    if(NOT wanted STREQUAL given)
      list(JOIN wanted " " wanted)
      list(JOIN given " " given)
      list(APPEND failures "${name}: placeholders ${given} for ${wanted}: ${translation}")
    endif()
    set(counts "")
    if(message MATCHES "<extracomment>(.*)</extracomment>")
      string(REGEX MATCHALL "%[1-9][^%]*(size|count|number of)" counts "${CMAKE_MATCH_1}")
    endif()
    string(REGEX REPLACE "&#x[0-9a-fA-F]+${semicolon}" " " spaced "${plain}") # lupdate's no-break spaces
    foreach(count IN LISTS counts)
      string(SUBSTRING "${count}" 0 2 count)
      if(NOT language MATCHES "${one_form}" AND spaced MATCHES "${count} *([A-Za-z]|[^\n -~${semicolon}])")
        list(APPEND failures "${name}: a count next to a noun needs %n and plural forms, or a wording apart: ${translation}")
      endif()
    endforeach()
    if(language MATCHES "^fr" AND translation MATCHES " [:!?${semicolon}]| »|« ")
      list(APPEND failures "${name}: a plain space where French puts a no-break one: ${translation}")
    endif()
    if("${source}|${translation}" MATCHES "${stop_pattern}|${file_name}")
      list(APPEND failures "${name}: the player's words or a file name among the texts: ${source}")
    endif()
  endforeach()
endforeach()
if(failures)
  list(JOIN failures "\n  " report)
  string(REPLACE "${semicolon}" ";" report "${report}")
  message(FATAL_ERROR "Translations to mend (lupdate, then Qt Linguist):\n  ${report}")
endif()

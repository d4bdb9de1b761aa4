# SPDX-License-Identifier: GPL-3.0-or-later
# Reads CHANGELOG.md, the one record of what each release changed, for the
# entry of the project's version (a heading "## [VERSION] - YYYY-MM-DD" and
# its "- " lines). Sets QUANTOVA_RELEASE_DATE to its date and
# QUANTOVA_RELEASE_NOTES to its changes as the <li> lines of the AppStream
# release description. A version without an entry stops the configuration:
# every release says what it changed.
set(changelog ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
# Semicolons separate CMake's list items: they stand in as a control
# character while the lines are lists.
string(ASCII 1 semicolon)
file(READ ${changelog} changelog_text)
string(REPLACE ";" "${semicolon}" changelog_text "${changelog_text}")
string(REPLACE "\r" "" changelog_text "${changelog_text}")
string(REPLACE "\n" ";" changelog_lines "${changelog_text}")

set(in_entry FALSE)
set(items "")
set(item "")
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^## ")
    if(in_entry)
      break()
    endif()
    if(line MATCHES "^## \\[([^]]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$"
       AND CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
      set(QUANTOVA_RELEASE_DATE ${CMAKE_MATCH_2})
      set(in_entry TRUE)
    endif()
  elseif(in_entry AND line MATCHES "^- (.*)$")
    list(APPEND items "${item}")
    set(item "${CMAKE_MATCH_1}")
  elseif(in_entry AND line MATCHES "^  +(.*)$" AND NOT item STREQUAL "")
    string(APPEND item " ${CMAKE_MATCH_1}")
  endif()
endforeach()
list(APPEND items "${item}")
list(FILTER items EXCLUDE REGEX "^$")

if(NOT in_entry OR NOT items)
  message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\" with its changes")
endif()

# Markdown's code marks go; the XML's own characters are escaped.
set(QUANTOVA_RELEASE_NOTES "")
foreach(item IN LISTS items)
  string(REPLACE "`" "" item "${item}")
  string(REPLACE "&" "&amp;" item "${item}")
  string(REPLACE "<" "&lt;" item "${item}")
  string(REPLACE ">" "&gt;" item "${item}")
  if(NOT QUANTOVA_RELEASE_NOTES STREQUAL "")
    string(APPEND QUANTOVA_RELEASE_NOTES "\n")
  endif()
  string(APPEND QUANTOVA_RELEASE_NOTES "          <li>${item}</li>")
endforeach()
string(REPLACE "${semicolon}" ";" QUANTOVA_RELEASE_NOTES "${QUANTOVA_RELEASE_NOTES}")

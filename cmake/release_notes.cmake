# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# debian/changelog is the one place where releases are written down: each entry's version, date
# and items. This reads it before project(), so that the project's version is the newest entry's,
# and turns every entry into an AppStream <release> element for the metainfo.
# tallimax_read_releases(<changelog>) sets
#   TALLIMAX_VERSION        the newest version, e.g. 1.1.0
#   TALLIMAX_RELEASE_DATE   its date, e.g. 2026-12-09
#   TALLIMAX_RELEASES_XML   the <release> elements, newest first, indented for <releases>
function(tallimax_read_releases changelog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
  file(READ ${changelog} text)

  # A semicolon would split the CMake list of lines: it stands in as @SEMICOLON@ until the items
  # are written out as XML text.
  string(REPLACE ";" "@SEMICOLON@" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")

  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(TALLIMAX_VERSION "")
  set(TALLIMAX_RELEASES_XML "")
  set(items "")
  set(item "")
  set(version "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^tallimax \\(([0-9.]+)\\) ")
      set(version ${CMAKE_MATCH_1})
      set(items "")
      set(item "")
    elseif(line MATCHES "^  \\* (.*)$")
      if(NOT item STREQUAL "")
        list(APPEND items "${item}")
      endif()
      set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)$")
      string(APPEND item " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9]+) ")
      if(NOT item STREQUAL "")
        list(APPEND items "${item}")
      endif()
      list(FIND months ${CMAKE_MATCH_2} month)
      math(EXPR month "${month} + 1")
      string(LENGTH "${CMAKE_MATCH_1}" day_digits)
      set(day ${CMAKE_MATCH_1})
      if(day_digits EQUAL 1)
        set(day 0${day})
      endif()
      if(month LESS 10)
        set(month 0${month})
      endif()
      set(date ${CMAKE_MATCH_3}-${month}-${day})
      if(TALLIMAX_VERSION STREQUAL "")
        set(TALLIMAX_VERSION ${version})
        set(TALLIMAX_RELEASE_DATE ${date})
      endif()
      string(APPEND TALLIMAX_RELEASES_XML
        "    <release version=\"${version}\" date=\"${date}\">\n"
        "      <description>\n        <ul>\n")
      foreach(entry IN LISTS items)
        string(REPLACE "&" "&amp;" entry "${entry}")
        string(REPLACE "<" "&lt;" entry "${entry}")
        string(REPLACE ">" "&gt;" entry "${entry}")
        string(APPEND TALLIMAX_RELEASES_XML "          <li>${entry}</li>\n")
      endforeach()
      string(APPEND TALLIMAX_RELEASES_XML "        </ul>\n      </description>\n    </release>\n")
    endif()
  endforeach()
  string(REPLACE "@SEMICOLON@" ";" TALLIMAX_RELEASES_XML "${TALLIMAX_RELEASES_XML}")
  # The elements sit between the template's own lines.
  string(REGEX REPLACE "\n$" "" TALLIMAX_RELEASES_XML "${TALLIMAX_RELEASES_XML}")
  string(REGEX REPLACE "^    " "" TALLIMAX_RELEASES_XML "${TALLIMAX_RELEASES_XML}")
  if(TALLIMAX_VERSION STREQUAL "")
    message(FATAL_ERROR "No release found in ${changelog}")
  endif()
  set(TALLIMAX_VERSION ${TALLIMAX_VERSION} PARENT_SCOPE)
  set(TALLIMAX_RELEASE_DATE ${TALLIMAX_RELEASE_DATE} PARENT_SCOPE)
  set(TALLIMAX_RELEASES_XML "${TALLIMAX_RELEASES_XML}" PARENT_SCOPE)
endfunction()

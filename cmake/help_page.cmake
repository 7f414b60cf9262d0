# Writes one finished help page: the frame every page shares (head,
# navigation list, footer) around the body of one page.
#
#   cmake -DFRAME=share/help/frame.html.in -DBODY=share/help/help_io.html
#         -DOUTPUT=build/help/help_io.html -DVERSION=4.87 -P cmake/help_page.cmake
#
# The body's first line is its heading, <h1>Title</h1>; the same text becomes
# the page's <title>. In the frame, @TITLE@ and @VERSION@ are replaced, @BODY@
# (one line of its own) stands for the body, and the navigation link to the
# body's file name is marked class="current".

# The policies of the project, so that "@NAME@" in quoted text stays as written.
cmake_minimum_required(VERSION 3.25)

foreach(name FRAME BODY OUTPUT VERSION)
  if(NOT DEFINED ${name} OR "${${name}}" STREQUAL "")
    message(FATAL_ERROR "help_page.cmake: -D${name}=... is missing")
  endif()
endforeach()
foreach(file "${FRAME}" "${BODY}")
  if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
    message(FATAL_ERROR "help_page.cmake: cannot read ${file}")
  endif()
endforeach()

file(READ "${FRAME}" frame)
file(READ "${BODY}" body)
get_filename_component(page_name "${BODY}" NAME)

if(NOT body MATCHES "^<h1>([^<\n]+)</h1>(\n|$)")
  message(FATAL_ERROR "${BODY}: the first line must be the page's heading, <h1>Title</h1>")
endif()
set(title "${CMAKE_MATCH_1}")

foreach(placeholder "@TITLE@" "@VERSION@" "\n@BODY@\n")
  string(FIND "${frame}" "${placeholder}" at)
  if(at EQUAL -1)
    string(STRIP "${placeholder}" shown)
    message(FATAL_ERROR "${FRAME}: ${shown} is missing")
  endif()
endforeach()

set(own_link "<a href=\"${page_name}\">")
string(FIND "${frame}" "${own_link}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${FRAME}: the navigation list has no link to ${page_name}")
endif()
string(REPLACE "${own_link}" "<a href=\"${page_name}\" class=\"current\">" page "${frame}")
string(REPLACE "@TITLE@" "${title}" page "${page}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
# The body goes in last, so that text in it is never taken for a placeholder.
string(REGEX REPLACE "\n$" "" body "${body}")
string(REPLACE "\n@BODY@\n" "\n${body}\n" page "${page}")
file(WRITE "${OUTPUT}" "${page}")

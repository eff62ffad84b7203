# cmake -DOUTPUT=FILE -DPAGES="A.html;B.html;..." -P MakePrintableHelp.cmake
#
# Writes the whole help as one printable page: the main part of each page in turn, each starting
# on a new sheet, with the links between pages turned into links within the one page (a page's
# anchors are unique across the set, and each page's main part is named after its file).
cmake_minimum_required(VERSION 3.25)

set(body "")
foreach(page IN LISTS PAGES)
  file(READ ${page} html)
  get_filename_component(name ${page} NAME_WE)
  string(FIND "${html}" "<main id=\"${name}\">" start)
  string(FIND "${html}" "</main>" end)
  if(start EQUAL -1 OR end EQUAL -1)
    message(FATAL_ERROR "${page} has no <main id=\"${name}\"> part")
  endif()
  string(LENGTH "<main id=\"${name}\">" opening)
  math(EXPR start "${start} + ${opening}")
  math(EXPR length "${end} - ${start}")
  string(SUBSTRING "${html}" ${start} ${length} part)
  string(REGEX REPLACE "href=\"[a-z_]+\\.html#" "href=\"#" part "${part}")
  string(REGEX REPLACE "href=\"([a-z_]+)\\.html\"" "href=\"#\\1\"" part "${part}")
  string(APPEND body "<section class=\"page\" id=\"${name}\">${part}</section>\n")
endforeach()

file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Plorvane Help – the whole help</title>
<link rel=\"stylesheet\" href=\"help.css\">
</head>
<body>
<main id=\"index_print\">
${body}</main>
</body>
</html>
")

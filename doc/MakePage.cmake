# Writes one page of the user guide: OUT/PAGE.html from SOURCE/PAGE.md, through cmark-gfm (with
# tables), inside the page frame (SOURCE/page.html.in) with links to the contents and to the pages before and after.
function(page_title page result)
  file(STRINGS ${SOURCE}/${page}.md first LIMIT_COUNT 1)
  string(REGEX REPLACE "^# *" "" first "${first}")
  set(${result} "${first}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CMARK} --smart -e table ${SOURCE}/${PAGE}.md
                OUTPUT_VARIABLE BODY RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmark-gfm could not read ${SOURCE}/${PAGE}.md")
endif()
# Links between pages are written to the Markdown sources, so that they work there too.
string(REGEX REPLACE "href=\"([a-z-]+)\\.md" "href=\"\\1.html" BODY "${BODY}")
# Each message of "When something goes wrong" can be opened by its number: ...#message-30.
string(REGEX REPLACE "<h3>([0-9]+) " "<h3 id=\"message-\\1\">\\1 " BODY "${BODY}")

page_title(${PAGE} TITLE)
set(NAV "<a href=\"index.html\">Contents</a>")
if(PREVIOUS)
  page_title(${PREVIOUS} previous_title)
  string(APPEND NAV " | <a href=\"${PREVIOUS}.html\" rel=\"prev\">&larr; ${previous_title}</a>")
endif()
if(NEXT)
  page_title(${NEXT} next_title)
  string(APPEND NAV " | <a href=\"${NEXT}.html\" rel=\"next\">${next_title} &rarr;</a>")
endif()
configure_file(${SOURCE}/page.html.in ${OUT}/${PAGE}.html @ONLY)

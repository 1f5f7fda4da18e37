# Writes the help project (.qhp) for qhelpgenerator from the topic files: the table of contents
# from contents.txt, each topic's title from its <title>, and the index and the numeric help
# contexts from the headings that carry data-help="N[,N...]" and data-keyword="...".
# Run with -DSRC=<data/help> -DOUT=<folder of the project>.
file(MAKE_DIRECTORY ${OUT})
file(STRINGS ${SRC}/contents.txt _lines)
set(_toc "")
set(_keywords "")
set(_depth -1)
foreach(_line IN LISTS _lines)
    if(_line MATCHES "^#" OR _line STREQUAL "")
        continue()
    endif()
    string(REGEX MATCH "^([0-9]+) +(.+)$" _ ${_line})
    set(_level ${CMAKE_MATCH_1})
    set(_file ${CMAKE_MATCH_2})
    file(READ ${SRC}/${_file} _html)
    configure_file(${SRC}/${_file} ${OUT}/${_file} COPYONLY)
    string(REGEX MATCH "<title>([^<]*)</title>" _ "${_html}")
    set(_title "${CMAKE_MATCH_1}")
    if(_title STREQUAL "")
        message(FATAL_ERROR "help topic ${_file} has no <title>")
    endif()
    # Close the sections deeper than or as deep as this one, then open it.
    while(_depth GREATER_EQUAL _level)
        string(APPEND _toc "</section>\n")
        math(EXPR _depth "${_depth} - 1")
    endwhile()
    math(EXPR _expected "${_depth} + 1")
    if(NOT _level EQUAL _expected)
        message(FATAL_ERROR "contents.txt: ${_file} skips a level")
    endif()
    string(APPEND _toc "<section title=\"${_title}\" ref=\"${_file}\">\n")
    set(_depth ${_level})

    # A heading with data-keyword but no data-help is an index entry without a help context.
    string(REGEX MATCHALL "id=\"[^\"]*\"( data-help=\"[^\"]*\")? data-keyword=\"[^\"]*\""
           _anchors "${_html}")
    foreach(_anchor IN LISTS _anchors)
        string(REGEX MATCH "id=\"([^\"]*)\"( data-help=\"([^\"]*)\")? data-keyword=\"([^\"]*)\""
               _ "${_anchor}")
        set(_id ${CMAKE_MATCH_1})
        string(REPLACE "," ";" _contexts "${CMAKE_MATCH_3}")
        set(_name "${CMAKE_MATCH_4}")
        set(_ref "${_file}#${_id}")
        if(_id STREQUAL "top")
            set(_ref "${_file}")
        endif()
        if(_contexts STREQUAL "")
            string(APPEND _keywords "<keyword name=\"${_name}\" ref=\"${_ref}\"/>\n")
            continue()
        endif()
        set(_first TRUE)
        foreach(_context IN LISTS _contexts)
            set(_shown "${_name}")
            if(NOT _first)
                set(_shown "${_name} (message ${_context})")
            endif()
            string(APPEND _keywords
                   "<keyword name=\"${_shown}\" id=\"${_context}\" ref=\"${_ref}\"/>\n")
            set(_first FALSE)
        endforeach()
    endforeach()
endforeach()
while(_depth GREATER_EQUAL 0)
    string(APPEND _toc "</section>\n")
    math(EXPR _depth "${_depth} - 1")
endwhile()
configure_file(${SRC}/help.css ${OUT}/help.css COPYONLY)

file(WRITE ${OUT}/wortsmith.qhp.new
"<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<QtHelpProject version=\"1.0\">
<namespace>com.quillbarrow.wortsmith</namespace>
<virtualFolder>help</virtualFolder>
<filterSection>
<toc>
${_toc}</toc>
<keywords>
${_keywords}</keywords>
<files>
<file>*.html</file>
<file>help.css</file>
</files>
</filterSection>
</QtHelpProject>
")
file(COPY_FILE ${OUT}/wortsmith.qhp.new ${OUT}/wortsmith.qhp ONLY_IF_DIFFERENT)

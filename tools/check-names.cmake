# Fails when a message is named by a bare number outside the catalogue that declares its name
# (core/settings/MessageCatalog), or a column by a quoted name outside the record classes'
# column lists (core/db/records): a number compiles whatever text it points at, and a quoted
# column compiles after the column is renamed; the names col:: and Msg:: give do not. The same
# holds for a BeerXML element spelt out in the reader or the writer instead of named from the
# one vocabulary both use (core/interchange/BeerXmlElements.h).
cmake_minimum_required(VERSION 3.20)

# What passes a message id, with the id as a bare number of two or more digits in its
# argument list (within one statement).
set(rules
    "(dataError|addFormatted|usableSize|setHint|AddTool|tip)\\(([^;]*[ (,])?[0-9][0-9]+ *[,)]"
    "MessageCatalog::(text|format|contains)\\( *[0-9]"
    "PromptButtons::[A-Za-z]+, *[0-9]+ *\\)"
    "Tip = \\{[^}]*[0-9][0-9]")

# Every column the record classes list.
file(GLOB records ${SOURCE_DIR}/src/core/db/records/*.h)
set(columns "")
foreach(file IN LISTS records)
    file(READ ${file} text)
    string(REGEX MATCHALL "\n +X\\([A-Za-z0-9_]+," listed "${text}")
    foreach(entry IN LISTS listed)
        string(REGEX REPLACE "^\n +X\\(([A-Za-z0-9_]+),$" "\\1" name "${entry}")
        list(APPEND columns ${name})
    endforeach()
endforeach()
list(LENGTH columns count)
if(count LESS 100)
    message(FATAL_ERROR "The column lists were not found in src/core/db/records (${count})")
endif()

# Every BeerXML element name the reader and the writer share.
file(READ ${SOURCE_DIR}/src/core/interchange/BeerXmlElements.h vocabulary)
string(REGEX MATCHALL "\\[\\] = \"[A-Z_]+\"" declared "${vocabulary}")
set(elements "")
foreach(entry IN LISTS declared)
    string(REGEX REPLACE "^\\[\\] = \"([A-Z_]+)\"$" "\\1" name "${entry}")
    list(APPEND elements ${name})
endforeach()
list(LENGTH elements count)
if(count LESS 50)
    message(FATAL_ERROR "The element names were not found in BeerXmlElements.h (${count})")
endif()

set(numbered "")
set(quoted "")
set(spelt "")
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
foreach(file IN LISTS files)
    file(READ ${file} text)
    string(REPLACE "${SOURCE_DIR}/" "" shown ${file})
    if(NOT shown MATCHES "^src/core/settings/MessageCatalog\\.(cpp|h)$")
        foreach(rule IN LISTS rules)
            string(REGEX MATCHALL "${rule}" hits "${text}")
            foreach(hit IN LISTS hits)
                string(REGEX REPLACE "\n *" " " hit "${hit}")
                string(APPEND numbered "  ${shown}: ${hit}\n")
            endforeach()
        endforeach()
    endif()
    if(NOT shown MATCHES "^src/core/db/records/")
        # A quote inside a text or a character literal would pair the quotes wrongly; literals
        # written one after another are one text (an SQL statement over several lines).
        string(REPLACE "\\\"" "" text "${text}")
        string(REPLACE "'\"'" "" text "${text}")
        string(REGEX REPLACE "\"[ \t\n]*\"" "" text "${text}")
        string(REGEX MATCHALL "\"[A-Za-z0-9_]+\"" words "${text}")
        foreach(word IN LISTS words)
            string(REPLACE "\"" "" word "${word}")
            if(word IN_LIST columns)
                string(APPEND quoted "  ${shown}: \"${word}\"\n")
            endif()
            if(shown MATCHES "^src/core/interchange/BeerXml[A-Za-z]*\\.cpp$" AND word IN_LIST elements)
                string(APPEND spelt "  ${shown}: \"${word}\"\n")
            endif()
        endforeach()
    endif()
endforeach()

set(report "")
if(numbered)
    string(APPEND report "Messages named by number; use their Msg:: names:\n${numbered}")
endif()
if(quoted)
    string(APPEND report "Columns named by a quoted text; use their col:: names:\n${quoted}")
endif()
if(spelt)
    string(APPEND report "BeerXML elements spelt out; use their el:: or ours:: names:\n${spelt}")
endif()
if(report)
    message(FATAL_ERROR "${report}")
endif()

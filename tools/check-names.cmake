# Fails when a message is named by a bare number outside the catalogue that declares its name
# (core/settings/MessageCatalog), or a column by a quoted name outside the record classes'
# column lists (core/db/records): a number compiles whatever text it points at, and a quoted
# column compiles after the column is renamed; the names col:: and Msg:: give do not.
cmake_minimum_required(VERSION 3.20)
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
list(FILTER files EXCLUDE REGEX "/src/core/settings/MessageCatalog\\.(cpp|h)$")

# What passes a message id, with the id as a bare number of two or more digits in its
# argument list (within one statement).
set(rules
    "(dataError|addFormatted|usableSize|setHint|AddTool|tip)\\(([^;]*[ (,])?[0-9][0-9]+ *[,)]"
    "MessageCatalog::(text|format|contains)\\( *[0-9]"
    "PromptButtons::[A-Za-z]+, *[0-9]+ *\\)"
    "Tip = \\{[^}]*[0-9][0-9]")

set(found "")
foreach(file IN LISTS files)
    file(READ ${file} text)
    foreach(rule IN LISTS rules)
        string(REGEX MATCHALL "${rule}" hits "${text}")
        foreach(hit IN LISTS hits)
            string(REPLACE "${SOURCE_DIR}/" "" shown ${file})
            string(REGEX REPLACE "\n *" " " hit "${hit}")
            string(APPEND found "  ${shown}: ${hit}\n")
        endforeach()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "Messages named by number; use their Msg:: names:\n${found}")
endif()

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
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
list(FILTER files EXCLUDE REGEX "/src/core/db/records/")
foreach(file IN LISTS files)
    file(READ ${file} text)
    # Literals written one after another are one text (an SQL statement over several lines).
    string(REGEX REPLACE "\"[ \t\n]*\"" "" text "${text}")
    string(REGEX MATCHALL "\"[A-Za-z0-9_]+\"" quoted "${text}")
    foreach(word IN LISTS quoted)
        string(REPLACE "\"" "" word "${word}")
        if(word IN_LIST columns)
            string(REPLACE "${SOURCE_DIR}/" "" shown ${file})
            string(APPEND found "  ${shown}: \"${word}\"\n")
        endif()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "Columns named by a quoted text; use their col:: names:\n${found}")
endif()

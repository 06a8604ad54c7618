# cmake -DLUPDATE=... -DOPTIONS=... -DSOURCES=... -DTS_FILES=... -DWORK_DIR=... -P this file
# Collects the code's words into copies of the .ts files and compares: a copy that differs means
# a word was added to the code, changed or removed without its .ts following. Then every message
# must be finished.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY_FILE ${ts} ${WORK_DIR}/${name})
    list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} ${SOURCES} -ts ${copies}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
endif()
set(faults "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(READ ${ts} kept)
    file(READ ${WORK_DIR}/${name} collected)
    if(NOT kept STREQUAL collected)
        string(APPEND faults "${name} does not hold the code's words as they are: run "
                             "`cmake --build build --target update_translations` and translate "
                             "(compare ${WORK_DIR}/${name})\n")
    endif()
    # a message's source, its comments, then a translation that is unfinished, stale or empty
    string(REGEX MATCHALL
           "<source>[^<]*</source>([^<]|<[a-z]*comment>[^<]*</[a-z]*comment>)*<translation( type=\"(unfinished|vanished|obsolete)\">|></translation>)"
           unfinished "${kept}")
    foreach(message IN LISTS unfinished)
        string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" source "${message}")
        string(APPEND faults "${name}: \"${source}\" has no finished translation\n")
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "${faults}")
endif()

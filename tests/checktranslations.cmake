# cmake -DLUPDATE=... -DSOURCE_DIR=... -DSOURCES="app;views;..." -DTS_FILES="...;..." -DWORK=... -P this
# The catalogues are current: lupdate, run from the sources into copies of them, must add no text (it
# would come in unfinished), find none gone (vanished or obsolete), and say nothing about the sources; and
# every shipped language has every entry finished. The English catalogue holds the plural forms alone.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures "")
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    set(options -locations none -I ${SOURCE_DIR})
    if(name STREQUAL "txconfig_en.ts")
        list(APPEND options -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} ${options} ${SOURCES} -ts ${WORK}/${name}
                    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        string(APPEND failures "lupdate failed on ${name}: ${err}\n")
        continue()
    endif()
    # lupdate's complaints about the sources (a tr() it cannot place, a comment it cannot attach)
    string(REGEX MATCHALL "[^\n]*(Cannot|Discarding|lacks Q_OBJECT|unknown namespace|unterminated|Unbalanced)[^\n]*"
           complaints "${err}${out}")
    foreach(line ${complaints})
        string(APPEND failures "${name}: lupdate: ${line}\n")
    endforeach()
    file(READ ${WORK}/${name} text)
    # A semicolon would split CMake's list of matches.
    string(REPLACE ";" "," text "${text}")
    foreach(state unfinished vanished obsolete)
        # Without source locations each entry is its source, an optional comment and note, its translation.
        string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?(<extracomment>[^<]*</extracomment>[^<]*)?(<translatorcomment>[^<]*</translatorcomment>[^<]*)?<translation type=\"${state}\""
               found "${text}")
        list(LENGTH found count)
        if(count GREATER 0)
            string(APPEND failures "${name}: ${count} ${state} entries after lupdate from the sources\n")
            foreach(entry ${found})
                string(REGEX MATCH "<source>[^<]*</source>" source "${entry}")
                string(APPEND failures "    ${source}\n")
            endforeach()
        endif()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "The catalogues are not current (run: cmake --build <build> --target update_translations, "
                        "then translate what is unfinished):\n${failures}")
endif()
message(STATUS "Every catalogue is current and complete")

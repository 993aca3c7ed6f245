# Fails when a translation misses a text of the window. Each .ts is copied, brought up to date
# with lupdate over the window's sources (so a text added to the code and not to the .ts counts)
# and compiled with lrelease, whose report must name no unfinished or untranslated entry.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failed "")
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none -I . ${SOURCE_DIRS}
                            -ts ${copy}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK_DIR}/${name}.qm
                    RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
    message("${name}: ${report}")
    if(NOT status EQUAL 0 OR NOT report MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
       OR report MATCHES "untranslated")
        list(APPEND failed ${name})
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "Texts of the window without a translation in: ${failed}")
endif()

# Fails when a source file includes a header its layer may not use. Run as a script:
#   cmake -DLAYER=core|storage -DQTCORE_DIR=<QtCore include folder> -DSTAMP=<file> -P this -- files...
# core: document/, generate/ and listing/ are standard C++ only, so no Qt header at all.
# storage: QtCore only, so a Qt header must be one that the QtCore include folder holds.

set(files "")
set(collect OFF)
foreach(i RANGE ${CMAKE_ARGC})
    if(collect AND DEFINED CMAKE_ARGV${i})
        list(APPEND files "${CMAKE_ARGV${i}}")
    elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
        set(collect ON)
    endif()
endforeach()

set(problems "")
foreach(file IN LISTS files)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
        # Qt's headers: QClass, QtModule/..., and the lower-case qfoo.h forms.
        if(NOT header MATCHES "^(Q[A-Za-z]|Qt[A-Za-z]*/|q[a-z0-9_]+\\.h$)")
            continue()
        endif()
        if(LAYER STREQUAL "core")
            list(APPEND problems "${file}: <${header}> (no Qt header in this layer)")
        elseif(header MATCHES "^Qt[A-Za-z]*/")
            if(NOT header MATCHES "^QtCore/")
                list(APPEND problems "${file}: <${header}> (QtCore only in this layer)")
            endif()
        elseif(NOT EXISTS "${QTCORE_DIR}/${header}")
            list(APPEND problems "${file}: <${header}> (QtCore only in this layer)")
        endif()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Layer ${LAYER} includes headers it may not use:\n  ${text}")
endif()
file(TOUCH "${STAMP}")

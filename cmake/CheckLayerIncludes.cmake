# Fails when a source file includes a header its folder may not use. Run as a script:
#   cmake -DLAYER=core|storage|session|ui -DQT_DIRS=<Qt include folders> -DSOURCE_DIR=<top>
#         -DSTAMP=<file> -P this -- files...
#
# Folders: the arrows point down only. A folder always includes itself, and otherwise only the
# folders its row names; app/ (the executable) includes anything and is not checked here.
#
#   document   <- generate <- rules, listing <- storage <- session <- view <- shell, cli, charts
#
# clang-format off
set(allowed_document "")
set(allowed_generate document)
set(allowed_rules    document generate)
set(allowed_listing  document generate)
set(allowed_storage  document generate rules listing)
set(allowed_session  document generate rules listing storage)
set(allowed_view     document generate rules listing storage session)
set(allowed_shell    document generate rules listing storage session view)
set(allowed_cli      document generate rules listing storage session view)
set(allowed_charts   document generate rules listing storage session view)
# clang-format on
set(folders document generate rules listing storage session view shell cli charts app)
#
# Qt, by library: core (document/, generate/, rules/, listing/) is standard C++ only, so no Qt header at
# all; storage and session take only headers that one of QT_DIRS holds (QtCore; QtCore and QtGui);
# ui takes any.

cmake_policy(SET CMP0057 NEW)  # if(... IN_LIST ...)

set(files "")
set(collect OFF)
foreach(i RANGE ${CMAKE_ARGC})
    if(collect AND DEFINED CMAKE_ARGV${i})
        list(APPEND files "${CMAKE_ARGV${i}}")
    elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
        set(collect ON)
    endif()
endforeach()

# Whether a Qt header is one of QT_DIRS' modules: "QtGui/QUndoStack" by its folder, a bare
# "QUndoStack" by being found in one of them.
function(qt_header_allowed header result)
    set(${result} OFF PARENT_SCOPE)
    foreach(dir IN LISTS QT_DIRS)
        get_filename_component(module "${dir}" NAME)
        if(header MATCHES "^Qt[A-Za-z]*/")
            if(header MATCHES "^${module}/")
                set(${result} ON PARENT_SCOPE)
            endif()
        elseif(EXISTS "${dir}/${header}")
            set(${result} ON PARENT_SCOPE)
        endif()
    endforeach()
endfunction()

set(problems "")
foreach(file IN LISTS files)
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
    string(REGEX REPLACE "/.*$" "" folder "${relative}")
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"][^>\"]*[>\"]).*$" "\\1" quoted "${line}")
        string(REGEX REPLACE "^[<\"](.*)[>\"]$" "\\1" header "${quoted}")
        # The program's own headers: "folder/Name.h", checked against the folder's row.
        if(quoted MATCHES "^\"([a-z]+)/")
            set(target "${CMAKE_MATCH_1}")
            if(DEFINED allowed_${folder} AND target IN_LIST folders AND NOT target STREQUAL folder
               AND NOT target IN_LIST allowed_${folder})
                set(may ${folder} ${allowed_${folder}})
                list(TRANSFORM may APPEND "/")
                list(JOIN may ", " may)
                list(APPEND problems "${relative}: ${quoted} (${folder}/ may include only ${may})")
            endif()
            continue()
        endif()
        # Qt's headers: QClass, QtModule/..., and the lower-case qfoo.h forms.
        if(NOT header MATCHES "^(Q[A-Za-z]|Qt[A-Za-z]*/|q[a-z0-9_]+\\.h$)" OR LAYER STREQUAL "ui")
            continue()
        endif()
        if(LAYER STREQUAL "core")
            list(APPEND problems "${relative}: <${header}> (no Qt header in ${folder}/)")
        else()
            qt_header_allowed("${header}" ok)
            if(NOT ok)
                set(modules "")
                foreach(dir IN LISTS QT_DIRS)
                    get_filename_component(module "${dir}" NAME)
                    list(APPEND modules ${module})
                endforeach()
                list(JOIN modules " and " modules)
                list(APPEND problems "${relative}: <${header}> (${modules} only in ${folder}/)")
            endif()
        endif()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Layer ${LAYER} includes headers it may not use:\n  ${text}")
endif()
file(TOUCH "${STAMP}")

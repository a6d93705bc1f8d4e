cmake_minimum_required(VERSION 3.20)

# Fails when an engine source includes a header of a layer it must not reach: each layer sees
# only those beneath it, and only datalink/ knows the schema back-ends. C headers of the back-ends'
# libraries stay in their own back-end's sources, out of every header.
#
#   cmake -DENGINE_DIR=<engine folder> -P CheckLayers.cmake

set(allowed_text "")
set(allowed_io "text")
set(allowed_schema "text;io")
set(allowed_schema/sqlite "schema;text;io")
set(allowed_schema/odbc "schema;text;io")
set(allowed_schema/access "schema;text;io")
set(allowed_schema/firebird "schema;text;io")
set(allowed_datalink "schema/sqlite;schema/odbc;schema/access;schema/firebird;schema;text;io")
set(allowed_generate "datalink;schema;text;io")
# The C libraries and the one back-end that may include each.
set(c_header_sqlite3.h "schema/sqlite")
set(c_header_sql.h "schema/odbc")
set(c_header_sqlext.h "schema/odbc")
set(c_header_mdbtools.h "schema/access")
set(c_header_glib.h "schema/access")
set(c_header_ibase.h "schema/firebird")
set(c_header_iberror.h "schema/firebird")
set(c_header_firebird/Interface.h "schema/firebird")
set(c_header_firebird/Message.h "schema/firebird")
set(c_header_firebird/IdlFbInterfaces.h "schema/firebird")

file(GLOB_RECURSE sources RELATIVE ${ENGINE_DIR} ${ENGINE_DIR}/*.h ${ENGINE_DIR}/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
    get_filename_component(folder ${source} DIRECTORY)
    # A layer's tools (the Access reader program) belong to the layer.
    string(REGEX REPLACE "^(schema/[a-z]+)/.*$" "\\1" layer "${folder}")
    if(NOT DEFINED allowed_${layer})
        list(APPEND faults "${source}: in no layer of the engine")
        continue()
    endif()
    file(STRINGS ${ENGINE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            get_filename_component(included_layer ${CMAKE_MATCH_1} DIRECTORY)
            if(NOT included_layer STREQUAL layer AND
               NOT included_layer IN_LIST allowed_${layer})
                list(APPEND faults "${source}: includes \"${CMAKE_MATCH_1}\" of ${included_layer}/")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
            set(header ${CMAKE_MATCH_1})
            if(DEFINED c_header_${header})
                if(source MATCHES "\\.h$")
                    list(APPEND faults "${source}: a header includes <${header}>")
                elseif(NOT layer STREQUAL c_header_${header})
                    list(APPEND faults "${source}: includes <${header}> of ${c_header_${header}}/")
                endif()
            endif()
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes across the engine's layers:\n  ${text}")
endif()

cmake_minimum_required(VERSION 3.20)

# Builds a Firebird database file from a script with isql-fb and the embedded engine, no server:
# the database is created in UTF8, the script runs in it, isql-fb stops at the first error.
#
#   cmake -DISQL=<isql-fb> -DSCRIPT=<file.sql> -DDATABASE=<file.fdb> -DLOCK_DIR=<folder>
#         -P MakeFirebirdDatabase.cmake
#
# LOCK_DIR becomes the engine's FIREBIRD_LOCK, so that the build leaves no lock files in
# /tmp/firebird.

foreach(variable ISQL SCRIPT DATABASE LOCK_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "MakeFirebirdDatabase.cmake: ${variable} is not set")
    endif()
endforeach()

file(REMOVE ${DATABASE})
file(MAKE_DIRECTORY ${LOCK_DIR})
file(READ ${SCRIPT} body)
string(REPLACE "'" "''" literal "${DATABASE}")
set(script "${DATABASE}.sql")
file(WRITE ${script}
     "SET SQL DIALECT 3;\nCREATE DATABASE '${literal}' DEFAULT CHARACTER SET UTF8;\n${body}\nCOMMIT;\n")
set(ENV{FIREBIRD_LOCK} ${LOCK_DIR})
execute_process(COMMAND ${ISQL} -q -b -i ${script}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(REMOVE ${script})
if(NOT result EQUAL 0)
    file(REMOVE ${DATABASE})
    message(FATAL_ERROR "isql-fb could not build ${DATABASE}:\n${output}")
endif()

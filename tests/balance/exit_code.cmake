# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program with a bad level and with --help; fails unless they exit 2 and 0.
execute_process(COMMAND ${PROGRAM} --left 9 RESULT_VARIABLE bad ERROR_VARIABLE message)
if(NOT bad EQUAL 2 OR NOT message MATCHES "unknown level '9'")
    message(FATAL_ERROR "--left 9 exited ${bad}: ${message}")
endif()
execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE help OUTPUT_VARIABLE usage)
if(NOT help EQUAL 0 OR NOT usage MATCHES "--matrix")
    message(FATAL_ERROR "--help exited ${help}: ${usage}")
endif()

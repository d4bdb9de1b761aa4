# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the window (PROGRAM) loads a network or XML library: it runs
# quantova-update-rates for the rates, and every library it links costs
# start-up time.
execute_process(COMMAND ldd "${PROGRAM}" OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAM} failed")
endif()
string(REGEX MATCHALL "[^\n]*(libcurl|pugixml)[^\n]*" offenders "${libraries}")
if(offenders)
  message(FATAL_ERROR "${PROGRAM} links libraries it must not:\n${offenders}")
endif()
string(REGEX MATCHALL "\n" lines "${libraries}")
list(LENGTH lines n)
message(STATUS "${PROGRAM}: ${n} libraries, none for the network")

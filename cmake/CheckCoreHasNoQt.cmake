# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source of the core library (catalogue/, expr/, and the core
# part of builtin/) includes a Qt header. The GUI files of builtin/ are the
# ones whose names end in "Dialog".
file(GLOB_RECURSE core_files
     "${SOURCE_DIR}/src/catalogue/*.h" "${SOURCE_DIR}/src/catalogue/*.cpp"
     "${SOURCE_DIR}/src/expr/*.h" "${SOURCE_DIR}/src/expr/*.cpp"
     "${SOURCE_DIR}/src/builtin/*.h" "${SOURCE_DIR}/src/builtin/*.cpp")
list(FILTER core_files EXCLUDE REGEX "Dialog\\.(h|cpp)$")
set(offenders "")
foreach(f IN LISTS core_files)
  file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Qt headers in the core library:\n${offenders}")
endif()
list(LENGTH core_files n)
message(STATUS "${n} core files checked, no Qt header")

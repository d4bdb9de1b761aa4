# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian gives its packages (dpkg-buildflags with
# hardening=+all): position-independent programs, so that address space
# randomisation covers them; stack protection of functions with arrays or
# address-taken locals; checked string and memory calls where the compiler
# knows the buffer's size (needs optimisation); relocations made read-only
# after loading, and all of them resolved at start so that none stays
# writable. Only for the optimised builds: the sanitizer and fuzz builds
# bring their own instrumentation, which these flags disturb.
if(NOT QUANTOVA_SANITIZE AND NOT QUANTOVA_FUZZ AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$")
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  set(QUANTOVA_HARDENED ON)
else()
  set(QUANTOVA_HARDENED OFF)
endif()

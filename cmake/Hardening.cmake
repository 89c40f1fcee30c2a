# The distribution's hardening flags, as dpkg-buildflags gives them (fortified
# functions, the stack protector, format checks, read-only relocations), and
# immediate binding. Optimisation and debug information stay the build
# type's; a Debug build (no optimisation) goes without the fortified
# functions, which need it.
option(QUENVAR_HARDENING "Build with the distribution's hardening flags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(QUENVAR_HARDENING AND DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind} OUTPUT_VARIABLE flags
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O|g|ffile-prefix-map=|fdebug-prefix-map=)")
    if(CMAKE_BUILD_TYPE STREQUAL "Debug")
      list(FILTER flags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
    endif()
    set(hardening_${kind} ${flags})
  endforeach()
  add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
  add_link_options(${hardening_LDFLAGS} -Wl,-z,now)
elseif(QUENVAR_HARDENING)
  message(WARNING "dpkg-buildflags not found: built without hardening flags (package dpkg-dev)")
endif()

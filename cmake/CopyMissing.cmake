# Copies the shipped data files (the wildcards and the name lists) beside the
# executables, each only where it is missing: once there they are the user's
# (the window saves its wildcards into wildcard.ini, and the name lists may
# be edited), and no configure or build may put the shipped ones back.
# The shipped copies are kept apart, in defaults/, refreshed every time.
#
# Included by the project at configure time, and run by the build
# (cmake -DQUENVAR_SOURCE_DIR=... -DQUENVAR_BINARY_DIR=... -P CopyMissing.cmake),
# so that a file the user deleted comes back at the next build.

function(quenvar_copy_if_missing source destination)
  get_filename_component(folder ${destination} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  if(NOT EXISTS ${destination} AND NOT IS_SYMLINK ${destination})
    file(COPY_FILE ${source} ${destination})
  endif()
endfunction()

function(quenvar_copy_data source_dir binary_dir)
  file(GLOB lists ${source_dir}/data/name/*.txt)
  set(files data/wildcard.ini)
  foreach(list ${lists})
    file(RELATIVE_PATH relative ${source_dir} ${list})
    list(APPEND files ${relative})
  endforeach()
  foreach(file ${files})
    string(REGEX REPLACE "^data/" "" target ${file})
    get_filename_component(defaults ${binary_dir}/defaults/${target} DIRECTORY)
    file(MAKE_DIRECTORY ${defaults})
    file(COPY_FILE ${source_dir}/${file} ${binary_dir}/defaults/${target} ONLY_IF_DIFFERENT)
    quenvar_copy_if_missing(${source_dir}/${file} ${binary_dir}/${target})
  endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  quenvar_copy_data(${QUENVAR_SOURCE_DIR} ${QUENVAR_BINARY_DIR})
endif()

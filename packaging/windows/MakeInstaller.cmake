# Run by the windows_installer target: stages the installed program, strips it, and
# makes the NSIS installer (which lists every file it puts down, so that the uninstaller
# takes away exactly those) and the portable .zip.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${STAGE}" COMMAND_ERROR_IS_FATAL ANY
                OUTPUT_QUIET)
file(GLOB_RECURSE binaries "${STAGE}/*.exe" "${STAGE}/*.dll")
execute_process(COMMAND "${STRIP}" --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE staged RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT staged)
set(lines)
set(folders)
foreach(file IN LISTS staged)
  string(REPLACE "/" "\\" native "${file}")
  string(APPEND lines "    Delete \"$INSTDIR\\${native}\"\n")
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder)
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)  # the deepest first
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" native "${folder}")
  string(APPEND lines "    RMDir \"$INSTDIR\\${native}\"\n")
endforeach()
set(ZARVO_UNINSTALL_FILES "${lines}")
set(ZARVO_STAGE "${STAGE}")
set(ZARVO_SETUP "${SETUP}")
get_filename_component(nsi_name "${SETUP}" NAME_WE)
set(nsi "${BUILD}/${nsi_name}.nsi")
configure_file("${NSI_TEMPLATE}" "${nsi}" @ONLY)
execute_process(COMMAND "${MAKENSIS}" -V2 -NOCD "${nsi}" COMMAND_ERROR_IS_FATAL ANY)

get_filename_component(stage_parent "${STAGE}" DIRECTORY)
get_filename_component(stage_name "${STAGE}" NAME)
file(REMOVE "${PORTABLE}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${PORTABLE}" --format=zip "${stage_name}"
                WORKING_DIRECTORY "${stage_parent}" COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Installer: ${SETUP}")
message(STATUS "Portable:  ${PORTABLE}")

# The licence texts of what the Windows program brings along, taken from this machine's
# Debian packages (the common licences, and the copyright files of the MinGW-w64 packages
# that the DLLs come from), with Windows line ends so that every editor shows them.

# Writes text to file with Windows line ends.
function(zarvo_write_licence file text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${file}" "${text}")
endfunction()

# Sets variable to the text of file from the first line that starts with start up to
# the first line after it that starts with end (not included; to the end without one).
function(zarvo_licence_part variable file start end)
  file(READ "${file}" text)
  string(FIND "${text}" "${start}" first)
  if(first EQUAL -1)
    message(FATAL_ERROR "\"${start}\" not found in ${file}")
  endif()
  string(SUBSTRING "${text}" ${first} -1 text)
  string(FIND "${text}" "${end}" last)
  string(SUBSTRING "${text}" 0 ${last} text)
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

function(zarvo_licences folder)
  foreach(licence GPL-3 LGPL-3)
    file(READ "/usr/share/common-licenses/${licence}" text)
    zarvo_write_licence("${folder}/${licence}.txt" "${text}")
  endforeach()
  set(gcc /usr/share/doc/gcc-mingw-w64-base/copyright)
  zarvo_licence_part(text "${gcc}" "GCC RUNTIME LIBRARY EXCEPTION" "\n\n\nlibquadmath")
  zarvo_write_licence("${folder}/GCC-exception-3.1.txt" "${text}\n")
  # winpthreads' own files (its tests are not in the DLL) and the licences they name.
  set(mingw /usr/share/doc/mingw-w64-common/copyright)
  zarvo_licence_part(files "${mingw}" "Files: mingw-w64-libraries/winpthreads/*"
                     "Files: mingw-w64-libraries/winpthreads/tests_pthread")
  zarvo_licence_part(expat "${mingw}" "License: expat\n Permission" "\n\n")
  zarvo_licence_part(bsd "${mingw}" "License: BSD-3-clause\n Redistribution" "\n\n")
  zarvo_write_licence("${folder}/winpthreads.txt" "${files}${expat}\n\n${bsd}\n")
endfunction()

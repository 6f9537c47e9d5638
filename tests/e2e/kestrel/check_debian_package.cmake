# Builds the Debian package of the build folder and reads it back with
# dpkg-deb: the installed layout under /usr, and a dependency on gputils.
# Ends with status 77 (skipped) where dpkg-deb is missing.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -P check_debian_package.cmake

cmake_minimum_required(VERSION 3.20)

find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message("dpkg-deb not found: no Debian package to check")
  cmake_language(EXIT 77)
endif()

function(fail what output)
  string(REPLACE "\n" "\n  " output "  ${output}")
  message(FATAL_ERROR "${what}\n--- output ---\n${output}")
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(cmake_dir "${CMAKE_COMMAND}" DIRECTORY)
execute_process(
  COMMAND "${cmake_dir}/cpack" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
  WORKING_DIRECTORY "${BUILD_DIR}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  fail("cpack -G DEB failed with status ${status}" "${out}${err}")
endif()
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  fail("cpack made ${count} .deb files" "${out}${err}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --field ${packages} Package Depends
  RESULT_VARIABLE status OUTPUT_VARIABLE fields ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT fields MATCHES "Package: kestrel\n" OR
   NOT fields MATCHES "Depends: ([^\n]*, )?gputils(,|\n)")
  fail("the package is not kestrel depending on gputils" "${fields}${err}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --contents ${packages}
  RESULT_VARIABLE status OUTPUT_VARIABLE contents ERROR_VARIABLE err)
foreach(file bin/kcomp bin/kstrip bin/pic17sim bin/kestrel share/kestrel/kcomp.inc
        share/kestrel/internal.inc share/kestrel/core.f share/kestrel/examples/hello.f
        share/doc/kestrel/README.md share/man/man1/kestrel.1)
  if(NOT contents MATCHES " \\./usr/${file}\n")
    fail("the package has no /usr/${file}" "${contents}${err}")
  endif()
  if(file MATCHES "^bin/" AND NOT contents MATCHES "\n-rwxr-xr-x [^\n]* \\./usr/${file}\n")
    fail("/usr/${file} in the package is not a program everyone may run" "${contents}${err}")
  endif()
endforeach()

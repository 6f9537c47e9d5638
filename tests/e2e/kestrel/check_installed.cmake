# Installs the build into a fresh prefix and uses the installed tools as a
# user would: from a folder of their own, without -i and without KR_LIB.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DTESTDATA=... -DROM_PROGRAM=rom_strings.f
#         [-DGPASM=gpasm]
#         -P check_installed.cmake
#
# Without GPASM only the layout and the message for a missing gpasm are
# checked.

cmake_minimum_required(VERSION 3.20)

set(prefix "${WORK_DIR}/prefix")
set(project "${WORK_DIR}/project")
set(tmp "${WORK_DIR}/tmp")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${project}" "${tmp}" "${WORK_DIR}/nothing")

function(fail what output)
  string(REPLACE "\n" "\n  " output "  ${output}")
  message(FATAL_ERROR "${what}\n--- output ---\n${output}")
endfunction()

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  fail("cmake --install failed with status ${status}" "${out}${err}")
endif()

foreach(file bin/kcomp bin/kstrip bin/pic17sim bin/kestrel
        share/kestrel/kcomp.inc share/kestrel/internal.inc share/kestrel/core.f
        share/kestrel/examples/hello.f share/doc/kestrel/README.md share/doc/kestrel/pic17sim.md
        share/man/man1/kcomp.1 share/man/man1/kstrip.1 share/man/man1/pic17sim.1
        share/man/man1/kestrel.1)
  if(NOT EXISTS "${prefix}/${file}")
    fail("the installation has no ${file}" "")
  endif()
endforeach()
foreach(program kcomp kstrip pic17sim kestrel)
  file(STRINGS "${prefix}/share/man/man1/${program}.1" title REGEX "^\\.TH ")
  if(NOT title MATCHES "^\\.TH \"?${program}\"? 1 ")
    fail("the manual page ${program}.1 has no title line for ${program}" "${title}")
  endif()
endforeach()

# Runs the installed kestrel in `dir` with `args`; sets status, out and err.
# (execute_process reads CR LF as LF.)
function(kestrel dir)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=KR_LIB "TMPDIR=${tmp}" ${KESTREL_ENV}
            "${prefix}/bin/kestrel" ${ARGN}
    WORKING_DIRECTORY "${dir}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(status "${status}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# `dir` holds exactly the files named after it.
function(expect_files dir)
  file(GLOB present RELATIVE "${dir}" "${dir}/*" "${dir}/.*")
  list(SORT present)
  set(expected ${ARGN})
  list(SORT expected)
  if(NOT "${present}" STREQUAL "${expected}")
    fail("${dir} holds [${present}], not [${expected}]" "${out}${err}")
  endif()
endfunction()

function(expect_status expected)
  if(NOT status EQUAL expected)
    fail("kestrel ${ARGN} ended with status ${status}, not ${expected}" "${out}${err}")
  endif()
endfunction()

function(expect_match text regex)
  if(NOT text MATCHES "${regex}")
    fail("no match for ${regex}" "${out}${err}")
  endif()
endfunction()

# No gpasm along PATH: kestrel says where it comes from and does nothing.
file(COPY "${prefix}/share/kestrel/examples/hello.f" DESTINATION "${project}")
set(KESTREL_ENV "PATH=${WORK_DIR}/nothing")
kestrel("${project}" build hello.f)
set(KESTREL_ENV "")
expect_status(4 "without gpasm")
expect_match("${err}" "gpasm not found.*apt-get install gputils")
expect_files("${project}" hello.f)

if("${GPASM}" STREQUAL "")
  message(STATUS "gpasm not found: kestrel build and run are not checked")
  return()
endif()

# An example from source to HEX file: the source folder gets hello.hex and
# nothing else, and no build folder is left behind.
kestrel("${project}" build hello.f)
expect_status(0 build hello.f)
expect_match("${out}" "^hello.hex: program memory [1-9][0-9]* of 16384 words, RAM 0 of 704 bytes\n$")
expect_files("${project}" hello.f hello.hex)
expect_files("${tmp}")
file(READ "${project}/hello.hex" hex)  # file(STRINGS) would decode it
expect_match("${hex}" "^:[0-9A-F\n:]*\n:00000001FF\n$")

kestrel("${project}" run hello.f)
expect_status(0 run hello.f)
expect_match("${out}" "\nHello, world!\nKESTREL on a PIC17C756A\n$")
expect_match("${err}" "^stop=stop-address ")

# A program that does not compile: what it prints while compiling and
# kcomp's message as kcomp prints them, the step named, the step's status,
# and no HEX file.
file(COPY "${TESTDATA}/bad_word.f" DESTINATION "${project}")
kestrel("${project}" run bad_word.f)
expect_status(2 run bad_word.f)
expect_match("${err}" "^bad_word.f\\(5\\):Unrecognized word: frobnicate\nkestrel: kcomp failed with status 2\n$")
expect_match("${out}" "^ *compiling bad_word *\n$")
expect_files("${project}" hello.f hello.hex bad_word.f)
expect_files("${tmp}")

# The assembler refuses it: the build folder is kept for its messages.
file(COPY "${TESTDATA}/bad_assembly.f" DESTINATION "${project}")
kestrel("${project}" build bad_assembly.f)
expect_status(4 build bad_assembly.f)
expect_match("${out}" "Unknown opcode: \"notaninstruction\"")
if(NOT err MATCHES "^kestrel: gpasm failed with status [1-9][0-9]*\nkestrel: build files kept in ([^\n]*)\n$")
  fail("no message about gpasm and the kept folder" "${out}${err}")
endif()
if(NOT EXISTS "${CMAKE_MATCH_1}/bad_assembly.asm")
  fail("the kept build folder has no bad_assembly.asm" "${err}")
endif()
file(REMOVE_RECURSE "${CMAKE_MATCH_1}")
file(REMOVE "${project}/bad_word.f" "${project}/bad_assembly.f")

# From another folder, with kcomp and pic17sim options: fload finds the
# file beside the source, -s changes the RAM, the listing comes on request.
file(COPY "${TESTDATA}/sub/counted.f" "${TESTDATA}/sub/counter.f" DESTINATION "${project}/sub")
kestrel("${project}" run -os -s 64 --listing --max-cycles 100000 sub/counted.f)
expect_status(0 run sub/counted.f)
expect_match("${out}" "^counted.hex: program memory [1-9][0-9]* of 16384 words, RAM 2 of 826 bytes\n3 $")
expect_files("${project}/sub" counted.f counter.f counted.hex counted.lst)
kestrel("${project}" run --max-cycles 50 sub/counted.f)
expect_status(5 run --max-cycles 50)
expect_match("${err}" "stop=cycle-limit.*pic17sim stopped with status 2")

# -i takes a folder named from where kestrel runs.
file(MAKE_DIRECTORY "${project}/inc")
file(RENAME "${project}/sub/counter.f" "${project}/inc/counter.f")
kestrel("${project}" run -i inc sub/counted.f)
expect_status(0 run -i inc sub/counted.f)
expect_match("${out}" "\n3 $")

# Input for the program, and ROM strings: the files that kcomp -r writes
# stay in the build folder, and gpasm gets -D ROMSTRINGS.
file(COPY "${TESTDATA}/echo.f" "${ROM_PROGRAM}" DESTINATION "${project}")
kestrel("${project}" run --input abcdef echo.f)
expect_status(0 run echo.f)
expect_match("${out}" "\nabc$")
kestrel("${project}" run -r 32768 rom_strings.f)
expect_status(0 run -r 32768 rom_strings.f)
expect_match("${out}" "\nfrom ROM\nfrom program memory\nsecond\n$")
expect_files("${project}" hello.f hello.hex sub inc echo.f echo.hex rom_strings.f rom_strings.hex)
expect_files("${tmp}")

# A program whose code passes the first 8K-word page is built again with
# long calls, and runs: 700 words of 12 in-line instructions each, chained
# by tail jumps, main in page 1.
set(nops "")
foreach(i RANGE 1 12)
  string(APPEND nops "\tnop\n")
endforeach()
set(big ": w0 ( n -- n ) ;\n")
foreach(k RANGE 1 700)
  math(EXPR prev "${k} - 1")
  string(APPEND big ": w${k} ( n -- n' )\n[code]\n${nops}endcode\n\t1+ w${prev} ;\n")
endforeach()
string(APPEND big ": main 0 w700 u. ;\n")
file(WRITE "${project}/big.f" "fload core.f\n${big}")
kestrel("${project}" run big.f)
expect_status(0 run big.f)
expect_match("${err}" "passes the first 8K-word page: compiling it again with -l")
expect_match("${out}" "^big.hex: program memory 1[0-9][0-9][0-9][0-9] of 16384 words.*\n700 $")

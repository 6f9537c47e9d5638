# Takes one Forth program from source to HEX file and checks every step:
#
#   cmake -DKCOMP=... -DGPASM=... -DSOURCE=prog.f -DLIB_DIR=... -DWORK_DIR=...
#         [-DKSTRIP=...] [-DKCOMP_OPTIONS="-os -s 64"] [-DGPASM_OPTIONS="-D X"]
#         [-DKCOMP_EXPECT="regex;regex"] [-DCORE_WORDS=core.f]
#         [-DSIM=pic17sim] [-DSIM_OPTIONS="..."]
#         [-DSIM_EXPECT="regex;regex"] [-DSIM_EXPECT_FILE=expected.txt]
#         [-DSIM_REJECT=regex] [-DSIM_STATUS=n] [-DSIM_EXPECT_REPORT="regex;regex"]
#         -P check_program.cmake
#
# 1. WORK_DIR is emptied; kcomp compiles SOURCE there into prog.asm and must
#    exit with status 0; its report (standard output) must match every
#    KCOMP_EXPECT regex.
# 2. With KSTRIP, kstrip strips prog.asm and must exit with status 0.  With
#    SIM as well, the unstripped output is kept as full.asm first.
# 3. gpasm assembles prog.asm and must exit with status 0 and print no
#    error, warning or message at all; prog.hex and prog.lst must exist and
#    the listing must define _main.
# 4. With CORE_WORDS, every word defined in that file (code, : and
#    constant definitions) must have its routine in prog.asm and its
#    routine label in the listing: the program uses every word, and
#    stripping kept them all.
# 5. With SIM, the program runs in the simulator until it reaches the idle
#    loop after main (or another stop the options set): its exit status
#    must be SIM_STATUS (default 0: stopped at the idle loop), its console
#    output must match every SIM_EXPECT regex, must be exactly the text of
#    SIM_EXPECT_FILE (whose line ends stand for the CR LF that "cr" sends)
#    and must not match SIM_REJECT, and its report (standard error) must
#    match every SIM_EXPECT_REPORT regex.
# 6. With SIM and KSTRIP, full.asm is assembled as in step 3 and run as in
#    step 5: the unstripped program must end with the same status and
#    print exactly what the stripped one printed.

cmake_minimum_required(VERSION 3.20)

foreach(required KCOMP GPASM SOURCE LIB_DIR WORK_DIR)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check_program.cmake: ${required} is not set")
  endif()
endforeach()

separate_arguments(kcomp_options UNIX_COMMAND "${KCOMP_OPTIONS}")
separate_arguments(gpasm_options UNIX_COMMAND "${GPASM_OPTIONS}")
separate_arguments(sim_options UNIX_COMMAND "${SIM_OPTIONS}")

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(fail step output)
  # Indented lines keep their blanks in the message.
  string(REPLACE "\n" "\n  " output "  ${output}")
  message(FATAL_ERROR "${step}\n--- output ---\n${output}")
endfunction()

# 1. Compile.
execute_process(
  COMMAND "${KCOMP}" ${kcomp_options} -i "${LIB_DIR}" -o prog.asm "${SOURCE}"
  WORKING_DIRECTORY "${WORK_DIR}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  fail("kcomp failed with status ${status}" "${out}${err}")
endif()
foreach(expected IN LISTS KCOMP_EXPECT)
  if(NOT out MATCHES "${expected}")
    fail("kcomp's report does not match: ${expected}" "${out}${err}")
  endif()
endforeach()

# 2. Strip, keeping the unstripped program for step 6.
set(run_sim FALSE)
if(DEFINED SIM AND NOT "${SIM}" STREQUAL "")
  set(run_sim TRUE)
endif()
set(compare_unstripped FALSE)
if(DEFINED KSTRIP AND NOT "${KSTRIP}" STREQUAL "")
  if(run_sim)
    set(compare_unstripped TRUE)
    configure_file("${WORK_DIR}/prog.asm" "${WORK_DIR}/full.asm" COPYONLY)
  endif()
  execute_process(
    COMMAND "${KSTRIP}" prog.asm
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    fail("kstrip failed with status ${status}" "${out}${err}")
  endif()
  if(NOT EXISTS "${WORK_DIR}/prog.asm")
    fail("kstrip left no prog.asm" "${out}${err}")
  endif()
endif()

# 3. Assemble <base>.asm: not a single assembler message is acceptable.
function(assemble base)
  execute_process(
    COMMAND "${GPASM}" ${gpasm_options} ${base}.asm
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(gpasm_output "${out}${err}")
  if(NOT status EQUAL 0)
    fail("gpasm failed on ${base}.asm with status ${status}" "${gpasm_output}")
  endif()
  if(gpasm_output MATCHES "(Error|Warning|Message)\\[")
    fail("gpasm printed diagnostics for ${base}.asm" "${gpasm_output}")
  endif()
  foreach(product ${base}.hex ${base}.lst)
    if(NOT EXISTS "${WORK_DIR}/${product}")
      fail("gpasm wrote no ${product}" "${gpasm_output}")
    endif()
  endforeach()
  file(SIZE "${WORK_DIR}/${base}.hex" hex_size)
  if(hex_size EQUAL 0)
    fail("${base}.hex is empty" "${gpasm_output}")
  endif()
  set(gpasm_output "${gpasm_output}" PARENT_SCOPE)
endfunction()

assemble(prog)

# The labels defined in the listing's symbol table.  Only the lines of
# that form are read: a CMake list of all lines would fall apart at the
# first unpaired "[" of a source line.
file(STRINGS "${WORK_DIR}/prog.lst" symbol_lines REGEX "^[^ \t]+[ \t]+[0-9A-Fa-f]+$")
set(labels "")
foreach(line IN LISTS symbol_lines)
  if(line MATCHES "^([^ \t]+)[ \t]+[0-9A-Fa-f]+$")
    list(APPEND labels "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT "_main" IN_LIST labels)
  fail("the listing defines no _main" "${gpasm_output}")
endif()

# 4. Every word of CORE_WORDS is present: the label line that follows the
# word's header line in prog.asm ("...Word: name") is defined in the
# listing.  The label comes from kcomp's output, as kcomp chose it.
if(DEFINED CORE_WORDS AND NOT "${CORE_WORDS}" STREQUAL "")
  file(READ "${WORK_DIR}/prog.asm" asm_text)
  string(REPLACE "\r" "" asm_text "${asm_text}")
  file(STRINGS "${CORE_WORDS}" core_lines REGEX "^(code|:|[-0-9]+[ ]+constant)[ ]")
  set(missing "")
  set(count 0)
  foreach(line IN LISTS core_lines)
    set(word "")
    if(line MATCHES "^code[ ]+([^ \t]+)")
      set(word "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^:[ ]+([^ \t]+)")
      set(word "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^[-0-9]+[ ]+constant[ ]+([^ \t]+)")
      set(word "${CMAKE_MATCH_1}")
    endif()
    if(NOT word STREQUAL "")
      math(EXPR count "${count} + 1")
      set(header "Word: ${word}\n")
      string(FIND "${asm_text}" "${header}" at)
      if(at EQUAL -1)
        list(APPEND missing "${word} (no routine in prog.asm)")
      else()
        string(LENGTH "${header}" header_length)
        math(EXPR at "${at} + ${header_length}")
        string(SUBSTRING "${asm_text}" ${at} 200 label)
        string(FIND "${label}" "\n" end)
        string(SUBSTRING "${label}" 0 ${end} label)
        if(NOT label IN_LIST labels)
          list(APPEND missing "${word} (${label})")
        endif()
      endif()
    endif()
  endforeach()
  if(count EQUAL 0)
    fail("no word definitions found in ${CORE_WORDS}" "")
  endif()
  if(missing)
    string(REPLACE ";" "\n  " missing "${missing}")
    fail("words of ${CORE_WORDS} missing from the assembled program:\n  ${missing}" "")
  endif()
endif()

# 5. Run <base>.hex.  The console output goes to <base>.out byte for byte;
# sim_out gets its text (CMake reads CR LF as LF), sim_err the report and
# sim_status the exit status.
function(run_program base)
  execute_process(
    COMMAND "${SIM}" --stop-at __k_idle ${sim_options} ${base}.hex
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_FILE ${base}.out ERROR_VARIABLE err)
  file(READ "${WORK_DIR}/${base}.out" out)
  set(sim_out "${out}" PARENT_SCOPE)
  set(sim_err "${err}" PARENT_SCOPE)
  set(sim_status "${status}" PARENT_SCOPE)
endfunction()

function(same_bytes file1 file2 result)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E compare_files ${file1} ${file2}
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(status EQUAL 0)
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

if(run_sim)
  run_program(prog)
  set(out "${sim_out}")
  set(err "${sim_err}")
  if(NOT DEFINED SIM_STATUS OR "${SIM_STATUS}" STREQUAL "")
    set(SIM_STATUS 0)
  endif()
  if(NOT sim_status EQUAL SIM_STATUS)
    fail("the simulator ended with status ${sim_status}, not ${SIM_STATUS}" "${out}${err}")
  endif()
  foreach(expected IN LISTS SIM_EXPECT)
    if(NOT out MATCHES "${expected}")
      fail("the simulated program's output does not match: ${expected}" "${out}${err}")
    endif()
  endforeach()
  if(DEFINED SIM_EXPECT_FILE AND NOT "${SIM_EXPECT_FILE}" STREQUAL "")
    # expected.out: the expected text with CR LF line ends.
    file(READ "${SIM_EXPECT_FILE}" expected_text)
    string(REPLACE "\r" "" expected_text "${expected_text}")
    string(REPLACE "\n" "\r\n" expected_crlf "${expected_text}")
    file(WRITE "${WORK_DIR}/expected.out" "${expected_crlf}")
    same_bytes(expected.out prog.out same)
    if(NOT same)
      if(out STREQUAL expected_text)
        set(what "the right text, but not every line ends in CR LF")
      else()
        set(what "other text")
      endif()
      fail("the simulated program printed ${what} than ${SIM_EXPECT_FILE} (compare expected.out and prog.out in ${WORK_DIR})"
           "--- expected ---\n${expected_text}\n--- printed ---\n${out}\n--- report ---\n${err}")
    endif()
  endif()
  if(DEFINED SIM_REJECT AND NOT "${SIM_REJECT}" STREQUAL "" AND out MATCHES "${SIM_REJECT}")
    fail("the simulated program's output matches: ${SIM_REJECT}" "${out}${err}")
  endif()
  foreach(expected IN LISTS SIM_EXPECT_REPORT)
    if(NOT err MATCHES "${expected}")
      fail("the simulator's report does not match: ${expected}" "${out}${err}")
    endif()
  endforeach()
endif()

# 6. The unstripped program behaves exactly as the stripped one.
if(compare_unstripped)
  assemble(full)
  set(stripped_status "${sim_status}")
  run_program(full)
  if(NOT sim_status EQUAL stripped_status)
    fail("the unstripped program ended with status ${sim_status}, the stripped one with ${stripped_status}"
         "${sim_out}${sim_err}")
  endif()
  same_bytes(prog.out full.out same)
  if(NOT same)
    fail("the unstripped program printed other text than the stripped one (compare prog.out and full.out in ${WORK_DIR})"
         "--- stripped ---\n${out}\n--- unstripped ---\n${sim_out}\n--- report ---\n${sim_err}")
  endif()
endif()

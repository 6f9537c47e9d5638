# Takes one Forth program from source to HEX file and checks every step:
#
#   cmake -DKCOMP=... -DGPASM=... -DSOURCE=prog.f -DLIB_DIR=... -DWORK_DIR=...
#         [-DKSTRIP=...] [-DKCOMP_OPTIONS="-os -s 64"] [-DGPASM_OPTIONS="-D X"]
#         [-DCORE_WORDS=core.f] [-DSIM=pic17sim] [-DSIM_OPTIONS="..."]
#         [-DSIM_EXPECT="regex;regex"] [-DSIM_REJECT=regex]
#         [-DSIM_STATUS=n] [-DSIM_EXPECT_REPORT="regex;regex"]
#         -P check_program.cmake
#
# 1. WORK_DIR is emptied; kcomp compiles SOURCE there into prog.asm and must
#    exit with status 0.
# 2. With KSTRIP, kstrip strips prog.asm and must exit with status 0.
# 3. gpasm assembles prog.asm and must exit with status 0 and print no
#    error, warning or message at all; prog.hex and prog.lst must exist and
#    the listing must define _main.
# 4. With CORE_WORDS, every word defined in that file (code, : and
#    constant definitions) must have its routine label in the listing: the
#    program uses every word, and stripping kept them all.
# 5. With SIM, the program runs in the simulator until it reaches the idle
#    loop after main (or another stop the options set): its exit status
#    must be SIM_STATUS (default 0: stopped at the idle loop), its console
#    output must match every SIM_EXPECT regex and must not match
#    SIM_REJECT, and its report (standard error) must match every
#    SIM_EXPECT_REPORT regex.

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

# 2. Strip.
if(DEFINED KSTRIP AND NOT "${KSTRIP}" STREQUAL "")
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

# 3. Assemble: not a single assembler message is acceptable.
execute_process(
  COMMAND "${GPASM}" ${gpasm_options} prog.asm
  WORKING_DIRECTORY "${WORK_DIR}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(gpasm_output "${out}${err}")
if(NOT status EQUAL 0)
  fail("gpasm failed with status ${status}" "${gpasm_output}")
endif()
if(gpasm_output MATCHES "(Error|Warning|Message)\\[")
  fail("gpasm printed diagnostics" "${gpasm_output}")
endif()
foreach(product prog.hex prog.lst)
  if(NOT EXISTS "${WORK_DIR}/${product}")
    fail("gpasm wrote no ${product}" "${gpasm_output}")
  endif()
endforeach()
file(SIZE "${WORK_DIR}/prog.hex" hex_size)
if(hex_size EQUAL 0)
  fail("prog.hex is empty" "${gpasm_output}")
endif()

# The labels defined in the listing's symbol table.
file(STRINGS "${WORK_DIR}/prog.lst" listing)
set(in_table FALSE)
set(labels "")
foreach(line IN LISTS listing)
  if(line MATCHES "^SYMBOL TABLE")
    set(in_table TRUE)
  elseif(in_table AND line MATCHES "^([^ \t]+)[ \t]+[0-9A-Fa-f]+$")
    list(APPEND labels "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT "_main" IN_LIST labels)
  fail("the listing defines no _main" "${gpasm_output}")
endif()

# 4. Every word of CORE_WORDS is present.  Labels are "_" + the mangled
# name: punctuation becomes a letter plus Z, X or Q, and "_QZX_" is added.
function(mangle name result)
  set(group1 "!\"#$%&'()*+,-./")
  set(letters1 "ABCDEFGHIJKLMNO")
  set(group2 ":;<=>?@")
  set(letters2 "PQRSTUV")
  set(group3 "[\\]^`")
  set(letters3 "abcde")
  set(out "")
  set(changed FALSE)
  string(LENGTH "${name}" length)
  math(EXPR last "${length} - 1")
  foreach(i RANGE 0 ${last})
    string(SUBSTRING "${name}" ${i} 1 c)
    set(replaced FALSE)
    foreach(g 1 2 3)
      string(FIND "${group${g}}" "${c}" at)
      if(at GREATER -1 AND NOT replaced)
        string(SUBSTRING "${letters${g}}" ${at} 1 letter)
        if(g EQUAL 1)
          string(APPEND out "${letter}Z")
        elseif(g EQUAL 2)
          string(APPEND out "${letter}X")
        else()
          if(c STREQUAL "`")
            set(letter "f")
          endif()
          string(APPEND out "${letter}Q")
        endif()
        set(replaced TRUE)
        set(changed TRUE)
      endif()
    endforeach()
    if(NOT replaced)
      string(APPEND out "${c}")
    endif()
  endforeach()
  if(changed)
    string(APPEND out "_QZX_")
  endif()
  set(${result} "_${out}" PARENT_SCOPE)
endfunction()

if(DEFINED CORE_WORDS AND NOT "${CORE_WORDS}" STREQUAL "")
  file(STRINGS "${CORE_WORDS}" core_lines)
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
      mangle("${word}" label)
      if(NOT label IN_LIST labels)
        list(APPEND missing "${word} (${label})")
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

# 5. Run.
if(DEFINED SIM AND NOT "${SIM}" STREQUAL "")
  execute_process(
    COMMAND "${SIM}" --stop-at __k_idle ${sim_options} prog.hex
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT DEFINED SIM_STATUS OR "${SIM_STATUS}" STREQUAL "")
    set(SIM_STATUS 0)
  endif()
  if(NOT status EQUAL SIM_STATUS)
    fail("the simulator ended with status ${status}, not ${SIM_STATUS}" "${out}${err}")
  endif()
  foreach(expected IN LISTS SIM_EXPECT)
    if(NOT out MATCHES "${expected}")
      fail("the simulated program's output does not match: ${expected}" "${out}${err}")
    endif()
  endforeach()
  if(DEFINED SIM_REJECT AND NOT "${SIM_REJECT}" STREQUAL "" AND out MATCHES "${SIM_REJECT}")
    fail("the simulated program's output matches: ${SIM_REJECT}" "${out}${err}")
  endif()
  foreach(expected IN LISTS SIM_EXPECT_REPORT)
    if(NOT err MATCHES "${expected}")
      fail("the simulator's report does not match: ${expected}" "${out}${err}")
    endif()
  endforeach()
endif()

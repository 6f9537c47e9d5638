# check_program.cmake for the programs of large_program.cmake, then a look
# at both listings (stripped prog.lst, unstripped full.lst) to make sure
# the program really is what the test is about: at least <n> thousand
# program words of code (<n> from the source name, "large-<n>k.f"), f1 and
# the code word in page 0, main in page 1, and one filler word running
# across 0x2000, so that its loop and its if jump between the pages.

include("${CMAKE_CURRENT_LIST_DIR}/../../lib/tests/check_program.cmake")

if(NOT SOURCE MATCHES "large-([0-9]+)k\\.f$")
  message(FATAL_ERROR "check_large_program.cmake: ${SOURCE} is not named large-<n>k.f")
endif()
math(EXPR min_end "${CMAKE_MATCH_1} * 950")  # "about": 5 % below

# Reads the symbol table of a listing into <prefix><name> = address.
function(read_symbols listing prefix)
  file(STRINGS "${listing}" lines REGEX "^_[A-Za-z0-9_]+[ \t]+[0-9A-Fa-f]+$")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([A-Za-z0-9_]+)[ \t]+([0-9A-Fa-f]+)$")
      math(EXPR value "0x${CMAKE_MATCH_2}")
      set(${prefix}${CMAKE_MATCH_1} ${value} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

foreach(base prog full)
  read_symbols("${WORK_DIR}/${base}.lst" s)
  foreach(name __literal_table _main _f1 _inc)
    if(NOT DEFINED s${name})
      message(FATAL_ERROR "${base}.lst defines no ${name}")
    endif()
  endforeach()
  if(s__literal_table LESS min_end)
    message(FATAL_ERROR "${base}: the code ends at ${s__literal_table}, below ${min_end} words")
  endif()
  if(s_main LESS 8192 OR s_f1 GREATER_EQUAL 8192 OR s_inc GREATER_EQUAL 8192)
    message(FATAL_ERROR "${base}: main at ${s_main}, f1 at ${s_f1}, inc at ${s_inc}: not across 0x2000")
  endif()
  # The fillers lie in order of their number; find the one across 0x2000.
  set(k 1)
  set(straddler "")
  while(DEFINED s_f${k} AND s_f${k} LESS 8192)
    math(EXPR next "${k} + 1")
    if(DEFINED s_f${next} AND s_f${next} GREATER 8192)
      set(straddler ${k})
    endif()
    set(k ${next})
  endwhile()
  if(straddler STREQUAL "")
    message(FATAL_ERROR "${base}: no filler word runs across 0x2000: change the filler count")
  endif()
endforeach()

# Checks the direction of the compiler's layers: a file may include headers
# of its own folder and of the folders below it, never of one above.
#
#   reader  <-  codegen  <-  words  <-  driver
#
# kstrip (stripper/) shares no code with the compiler and includes none of
# these folders. Run with: cmake -DSOURCE_DIR=<top of the sources> -P layers.cmake
set(layers reader codegen words driver)
set(problems "")

function(check_folder folder allowed)
  file(GLOB files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cc")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^#include \"[a-z_0-9]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_0-9]+)/.*" "\\1" included "${line}")
      list(FIND layers "${included}" rank)
      if(rank EQUAL -1)
        continue()  # not a compiler folder
      endif()
      list(FIND allowed "${included}" found)
      if(found EQUAL -1)
        file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
        string(APPEND problems "${name}: ${line}\n")
      endif()
    endforeach()
  endforeach()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

set(below "")
foreach(layer IN LISTS layers)
  list(APPEND below ${layer})
  check_folder(${layer} "${below}")
endforeach()
check_folder(stripper "")

if(problems)
  message(FATAL_ERROR "Includes against the direction of the layers:\n${problems}")
endif()
message(STATUS "Layers point one way.")

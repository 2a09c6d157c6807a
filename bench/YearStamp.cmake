# Writes OUT, a header naming one SHA-1 of the files in INPUTS ("|"-separated); the
# header is only rewritten when that changes.
string(REPLACE "|" ";" files "${INPUTS}")
set(all "")
foreach(f IN LISTS files)
  file(SHA1 "${f}" h)
  string(APPEND all "${h}")
endforeach()
string(SHA1 stamp "${all}")
file(WRITE "${OUT}.new" "#pragma once\n// Made by YearStamp.cmake: the generator's sources, hashed.\n#define BENCH_YEAR_SOURCES \"${stamp}\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUT}.new" "${OUT}")
file(REMOVE "${OUT}.new")

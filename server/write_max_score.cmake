# cmake -DNK_LEVEL=TOOL -DDATA_DIR=DIR -DOUT=FILE -P write_max_score.cmake
# Writes the header that gives the server its default bound: the most the six shipped houses
# allow, as nk-level works it out from their level files.
set(levels)
foreach(n RANGE 1 6)
  list(APPEND levels ${DATA_DIR}/level${n}.vmap)
endforeach()
execute_process(COMMAND ${NK_LEVEL} max-score ${levels} OUTPUT_VARIABLE bound RESULT_VARIABLE result
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT result EQUAL 0 OR NOT bound MATCHES "^[0-9]+$")
  message(FATAL_ERROR "nk-level max-score failed: ${result} ${bound}")
endif()
string(CONCAT text "#pragma once\n#include <cstdint>\n\n// Made by the build from the shipped level files.\n"
       "inline constexpr int32_t kDefaultMaxScore = ${bound};\n")
if(EXISTS ${OUT})
  file(READ ${OUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUT} "${text}")
endif()

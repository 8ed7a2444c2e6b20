# Writes one language's page template from a master and a label table:
#   cmake -DMASTER=<master.xsl> -DLABELS=<Code.txt> -DOUTPUT=<out.xsl> -P MakeTemplate.cmake
# The table holds "key = text" lines ("#" starts a comment line); every key
# written between double at signs in the master is replaced by its text,
# escaped for XML. A key the table lacks, or a malformed line, stops the build.
file(READ "${MASTER}" text)
file(STRINGS "${LABELS}" lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  if(NOT line MATCHES "^[ \t]*([A-Za-z0-9]+)[ \t]*=[ \t]*(.*[^ \t])[ \t]*$")
    message(FATAL_ERROR "${LABELS}: not a \"key = text\" line: ${line}")
  endif()
  set(key "${CMAKE_MATCH_1}")
  set(value "${CMAKE_MATCH_2}")
  string(REPLACE "&" "&amp;" value "${value}")
  string(REPLACE "<" "&lt;" value "${value}")
  string(REPLACE ">" "&gt;" value "${value}")
  string(REPLACE "\"" "&quot;" value "${value}")
  string(REPLACE "@@${key}@@" "${value}" text "${text}")
endforeach()
string(REGEX MATCH "@@[A-Za-z0-9]+@@" missing "${text}")
if(missing)
  message(FATAL_ERROR "${LABELS} has no text for ${missing} of ${MASTER}")
endif()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")

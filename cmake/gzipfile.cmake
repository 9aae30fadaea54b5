# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DGZIP=gzip -DINPUT=file -DOUTPUT=file.gz -P gzipfile.cmake
# Best compression, no name or time stamp in the header.
execute_process(COMMAND ${GZIP} -9 -n -c ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "gzip ${INPUT} failed: ${status}")
endif()

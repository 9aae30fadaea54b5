# SPDX-License-Identifier: GPL-3.0-or-later
# KW_PIECE_CODES: every piece code, read from the piece table itself
# (pieces/piecetable.cpp, one row per code, each row starting with its quoted
# code), so that the build's list of tile files is the table's. CMake reads
# the table again whenever it changes. tilegen refuses to finish unless it
# has drawn exactly the table's codes, and tst_piecetable holds this list
# against the compiled table.
set(kw_piece_table ${CMAKE_SOURCE_DIR}/pieces/piecetable.cpp)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${kw_piece_table})
file(STRINGS ${kw_piece_table} kw_piece_rows REGEX "^ *\\{\"[0-9A-Z][0-9A-Z]\", ")
set(KW_PIECE_CODES "")
foreach(row IN LISTS kw_piece_rows)
  string(REGEX MATCH "^ *\\{\"([0-9A-Z][0-9A-Z])\"" kw_match "${row}")
  list(APPEND KW_PIECE_CODES ${CMAKE_MATCH_1})
endforeach()
list(LENGTH KW_PIECE_CODES KW_PIECE_COUNT)
if(KW_PIECE_COUNT EQUAL 0)
  message(FATAL_ERROR "No piece codes found in ${kw_piece_table}")
endif()

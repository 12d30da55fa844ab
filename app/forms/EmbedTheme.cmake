# Writes a window description with a packed theme as its theme list's item: the template's
# @THEME_STREAM@ becomes the item's stored value (form 2, the stored-string name, the 32-bit length
# and the data, as hex lines of the text form).
#   cmake -DTEMPLATE=in.twc -DTHEME=file.theme -DTHEME_NAME=OSXTiger -DOUTPUT=out.twc -P EmbedTheme.cmake

# A 32-bit value as 4 little-endian bytes in hex.
function(little_endian_hex value out)
  set(hex "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 digits)
    string(LENGTH "${digits}" width)
    if(width EQUAL 1)
      set(digits "0${digits}")
    endif()
    string(APPEND hex "${digits}")
  endforeach()
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

file(READ "${THEME}" data HEX)
string(LENGTH "${data}" digits)
math(EXPR bytes "${digits} / 2")
if(bytes EQUAL 0)
  message(FATAL_ERROR "the theme ${THEME} is empty")
endif()
string(LENGTH "${THEME_NAME}" name_length)
little_endian_hex(${name_length} name_length_hex)
file(READ "${TEMPLATE}" template)
string(HEX "${THEME_NAME}" name_hex)
little_endian_hex(${bytes} data_length_hex)
set(stream "02${name_length_hex}${name_hex}${data_length_hex}${data}")
string(TOUPPER "${stream}" stream)
# Lines of 16 bytes, indented as the template's placeholder is.
string(REGEX MATCH "\n( *)@THEME_STREAM@" placeholder "${template}")
set(indent "${CMAKE_MATCH_1}")
string(REGEX REPLACE "([0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F])" "\\1\n${indent}" lines "${stream}")
string(REGEX REPLACE "\n *$" "" lines "${lines}")
string(REPLACE "@THEME_STREAM@" "${lines}" text "${template}")
file(WRITE "${OUTPUT}.tmp" "${text}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")

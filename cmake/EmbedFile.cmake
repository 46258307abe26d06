# Script mode: writes the bytes of IN as a C++ character array named NAME into OUT.
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${hex}")
file(WRITE "${OUT}" "// Generated from ${IN}; do not edit.\nconst char ${NAME}[] = {${body}'\\0'};\n")

# Writes a C++ source holding files as byte arrays, so that a program carries them inside.
# Run in script mode:
#   cmake -DOUTPUT=<file.cpp> -DHEADER=<include> -DFUNCTION=<ns::Name> -DFILES=<a|b|...>
#         -P embed_files.cmake
# FUNCTION is declared in HEADER as `std::span<const refhost::EmbeddedFile> Name();` (see
# refhost/embedded_file.h) and returns the files in the order given, each under its file name.

foreach(required OUTPUT HEADER FUNCTION FILES)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "embed_files.cmake: ${required} is not set")
  endif()
endforeach()

string(REPLACE "|" ";" files "${FILES}")
set(arrays "")
set(table "")
set(index 0)
foreach(file IN LISTS files)
  get_filename_component(name "${file}" NAME)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  # 16 bytes a line, then each byte as 0x.., followed by a 0 that ends the text.
  string(REGEX REPLACE "(................................)" "\\1\n    " hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "// ${name}\nconst unsigned char kFile${index}[] = {\n    ${bytes}0x00};\n\n")
  string(APPEND table "    {\"${name}\", kFile${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()

string(REGEX REPLACE "::[^:]+$" "" namespace "${FUNCTION}")
string(REGEX REPLACE "^.*::" "" function "${FUNCTION}")

file(WRITE "${OUTPUT}" "// Generated at build time by cmake/embed_files.cmake: do not edit.

#include \"${HEADER}\"

namespace {

${arrays}const refhost::EmbeddedFile kFiles[] = {
${table}};

}  // namespace

namespace ${namespace} {

std::span<const refhost::EmbeddedFile> ${function}() { return kFiles; }

}  // namespace ${namespace}
")

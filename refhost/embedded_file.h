#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace refhost {

// A file compiled into the program (see cmake/embed_files.cmake): the database scripts and
// the tour travel inside qorhost, so that the program works from any folder.
struct EmbeddedFile {
  const char* name;  // file name without folder
  const unsigned char* bytes;
  std::size_t size;

  std::string_view Text() const { return {reinterpret_cast<const char*>(bytes), size}; }
};

}  // namespace refhost

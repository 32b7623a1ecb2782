#pragma once
// The whole content of a file as bytes; empty when it cannot be read.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kv7::test {

inline std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace kv7::test

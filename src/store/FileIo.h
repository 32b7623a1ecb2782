#pragma once
// Writing a whole buffer to a descriptor, through short writes and signals.

#include <string_view>

namespace kv7::store {

// True when every byte was written; otherwise errno tells why.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace kv7::store

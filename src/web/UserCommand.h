#pragma once
// `kv7-web user add NAME [--password-file FILE] | remove NAME | list`: the
// office's users in kv7-web's configuration file. A password is typed twice
// (without echo on a terminal) or read from the first line of a file; only
// its hash is written.

#include <filesystem>
#include <string>
#include <vector>

namespace kv7::web {

// `args` follow "user". Returns the exit status; messages go to stderr.
int RunUserCommand(const std::filesystem::path& config, const std::vector<std::string>& args);

}  // namespace kv7::web

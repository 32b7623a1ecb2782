#pragma once
// A new password for kv7ctl, never from the command line: the first line of
// a file only its owner can read, or typed twice on standard input (without
// echo on a terminal).

#include <optional>
#include <string>

namespace kv7ctl {

// nullopt with `why` set when the file is unfit, the two typings differ or
// the password is empty. `prompt` is shown (on stderr) before each typing at
// a terminal.
std::optional<std::string> PasswordFromFile(const std::string& file, std::string& why);
std::optional<std::string> PasswordTypedTwice(const std::string& prompt, std::string& why);

}  // namespace kv7ctl

#pragma once
// The console's information options, answered before any window exists so
// that they work without a display: --help and --version print their text
// and end the program; any other word goes on to the console (for example
// "-o", the older board).

#include <optional>

namespace kv7::app {

// The exit status when the words asked only for a text, nullopt to go on.
std::optional<int> HandleInfoOptions(int argc, char** argv);

}  // namespace kv7::app

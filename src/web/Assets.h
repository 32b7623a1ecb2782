#pragma once
// The pages' own style sheet and script, built into the program: nothing is
// fetched from elsewhere.

#include <string_view>

namespace kv7::web {

extern const std::string_view kStyleSheet;  // /static/kv7.css
extern const std::string_view kScript;      // /static/kv7.js

}  // namespace kv7::web

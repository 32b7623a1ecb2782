#pragma once
// Texts from the archive or the request made safe for the page they go into.

#include <string>
#include <string_view>

namespace kv7::web {

// For HTML text and attribute values in double quotes.
std::string HtmlEscape(std::string_view text);

}  // namespace kv7::web
